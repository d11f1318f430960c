#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace vesk::sim::test {

using namespace std::chrono_literals;
inline constexpr auto waitBound = 5s;

// A vesk-sim child process on free ports of 127.0.0.1. A thread keeps reading its standard
// output so the simulator never blocks on a full pipe; tests wait on that output with a bound.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> extraArguments = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // True once "vesk-sim: ready" was printed.
    bool ready() { return waitForOutput("vesk-sim: ready"); }
    bool waitForOutput(const std::string& text, std::chrono::milliseconds bound = waitBound);
    // The number in "vesk-sim: <label> port N"; 0 when it was not printed.
    int port(const std::string& label);
    // The exit status once the process ended by itself within the bound.
    std::optional<int> waitForExit(std::chrono::milliseconds bound = waitBound);
    bool running();
    std::string output();

private:
    void drain(int descriptor);

    pid_t child = -1;
    std::thread drainer;
    std::mutex mutex;
    std::condition_variable changed;
    std::string captured;
    bool outputEnded = false;
    std::optional<int> exitStatus;
};

} // namespace vesk::sim::test
