#pragma once

#include "TimedApplication.h"

#include <QElapsedTimer>
#include <QObject>

#include <array>

namespace vesk {
class QtHost;
enum class Change;
} // namespace vesk

namespace vesk::bench {

// Times the window's handling of the core's change notices, by kind. Construct it before the
// main window and call finishConnecting() after: its first slot starts the clock and its last
// stops it, so everything connected between them is measured.
class ChangeTimer : public QObject {
public:
    explicit ChangeTimer(QtHost& host);
    void finishConnecting();
    void start() { measuring_ = true; }
    void stop() { measuring_ = false; }
    std::vector<TimeShare> shares() const;

private:
    QtHost& host_;
    QElapsedTimer clock_;
    qint64 began_ = 0;
    bool measuring_ = false;
    std::array<qint64, 16> nanoseconds_{};
    std::array<long, 16> counts_{};
};

} // namespace vesk::bench
