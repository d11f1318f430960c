#pragma once

#include <QObject>

class QSocketNotifier;

namespace vesk {

// Turns the system's request to end (SIGTERM, or Ctrl+C in the terminal: SIGINT) into an
// ordinary signal of the event loop, so the client can end as File > Exit ends it: settings
// saved, the connection closed, the demo's simulator stopped. The handler only writes a byte
// into a pipe, the one thing a signal handler may safely do; the loop reads it.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    void readPipe();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vesk
