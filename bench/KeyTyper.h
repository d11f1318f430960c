#pragma once

#include "SimulatorChild.h"

#include <QWidget>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vesk::bench {

// A command typed at a known moment: when its Enter went into the event queue.
struct TypedCommand {
    std::string text;
    BenchClock::time_point enterPosted;
};

// Types commands into a widget from a thread of its own, as a keyboard does: each key's press
// and release are posted to the widget's event queue at a wall-clock moment and wait there until
// the busy event loop takes them. The commands are "say key 001", "say key 002", ..., one every
// `interval`, starting `interval` after start(), until stop().
class KeyTyper {
public:
    KeyTyper(QWidget& target, std::chrono::milliseconds interval);
    ~KeyTyper();
    KeyTyper(const KeyTyper&) = delete;
    KeyTyper& operator=(const KeyTyper&) = delete;

    void start();
    void stop();
    std::vector<TypedCommand> typed() const;

private:
    void run();
    void type(const std::string& text);

    QWidget* target_;
    std::chrono::milliseconds interval_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::vector<TypedCommand> typed_;
    std::thread thread_;
};

} // namespace vesk::bench
