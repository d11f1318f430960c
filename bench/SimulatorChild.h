#pragma once

#include "app/SiteAddresses.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace vesk::bench {

using BenchClock = std::chrono::steady_clock;

// One line the simulator printed and when it was read.
struct TimedLine {
    BenchClock::time_point at;
    std::string text;
};

// A vesk-sim child on free ports of 127.0.0.1. Its output is read on a thread of its own, so the
// moment a line is stamped with is when the simulator printed it, however busy the window's event
// loop is: that is how a command's arrival at the server is timed.
class SimulatorChild {
public:
    SimulatorChild(QString program, QStringList arguments);
    ~SimulatorChild();
    SimulatorChild(const SimulatorChild&) = delete;
    SimulatorChild& operator=(const SimulatorChild&) = delete;

    // Waits (bounded) until the simulator is ready: the addresses of its sites, or nothing when
    // it did not start or did not report its ports.
    std::optional<SiteAddresses> waitUntilReady(std::chrono::milliseconds bound);
    // Every line printed so far.
    std::vector<TimedLine> lines() const;
    // The first line holding `text`, if it was printed.
    std::optional<TimedLine> find(const std::string& text) const;

private:
    void run(QString program, QStringList arguments);
    void keep(const std::string& text);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<TimedLine> lines_;
    bool ended_ = false;
    std::atomic<bool> stop_ = false;
    std::thread reader_;
};

} // namespace vesk::bench
