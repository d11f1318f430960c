#pragma once

#include <QString>

namespace vesk::sim {

// What the command line chose; every part of the simulator reads the part it needs.
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

} // namespace vesk::sim
