#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vesk::sim {

struct SimOptions {
    QString host = QStringLiteral("127.0.0.1");
    quint16 gamePort = 3000;
    quint16 whoPort = 3005;
    quint16 develPort = 3333;
    double fragmentProbability = 0.0;
    unsigned seed = 1;
    QString scriptFile;
    QString floodFile;
    int floodRepeat = 1;
    int chatterMilliseconds = 20000; // 0: the simulated players keep quiet
    int roundMilliseconds = 1500;    // one round of a fight
};

struct SimOptionsResult {
    std::optional<SimOptions> options; // nothing: print `message` and exit with `exitCode`
    QString message;
    int exitCode = 0;
};

// The command line of vesk-sim, with its help text (which lists the demo characters).
class SimOptionsParser {
public:
    static SimOptionsResult parse(const QStringList& arguments);
};

} // namespace vesk::sim
