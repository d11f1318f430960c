#pragma once

#include "drivers/ScriptParser.h"
#include "wire/CommandReader.h"
#include "wire/FragmentingWriter.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <string>
#include <vector>

class QTcpSocket;

namespace vesk::sim {

// Plays a test script (--script FILE) to one client instead of the world: sends bytes, waits
// for a client line containing a text within a time limit, pauses, hangs up. It reports
// whether every expectation was met once the connection is closed.
class ScriptPlayer : public QObject {
    Q_OBJECT

public:
    ScriptPlayer(QTcpSocket* socket, std::vector<ScriptStep> steps, double cutProbability,
                 unsigned seed, QObject* parent = nullptr);
    void start();

signals:
    void finished(bool passed);

private:
    void runSteps();
    bool expectationMet(const ScriptStep& step);
    void readClient();
    void timeUp();
    void fail(const std::string& reason);
    void closeConnection();
    void connectionClosed();

    QTcpSocket* socket;
    std::vector<ScriptStep> steps;
    FragmentingWriter writer;
    CommandReader reader;
    std::deque<std::string> received;
    std::size_t current = 0;
    QTimer timer;
    bool waiting = false;
    bool closing = false;
    bool passed = true;
    bool reported = false;
};

} // namespace vesk::sim
