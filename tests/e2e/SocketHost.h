#pragma once

#include "FakeHost.h"

#include <chrono>
#include <functional>
#include <string>

namespace vesk::testing {

// A recording host whose sends go out on a real TCP connection to 127.0.0.1, for driving the
// client's core against the simulator. Everything else is recorded as by FakeHost.
class SocketHost : public FakeHost {
public:
    explicit SocketHost(int port);
    ~SocketHost() override;
    SocketHost(const SocketHost&) = delete;
    SocketHost& operator=(const SocketHost&) = delete;

    bool connected() const { return descriptor_ >= 0; }
    long sendToServer(std::string_view bytes) override;
    std::uint32_t milliseconds() override;
    // Waits up to `bound` for bytes; empty when none came or the server closed.
    std::string receive(std::chrono::milliseconds bound);
    bool closedByServer() const { return closed_; }
    // Hands what arrives to `deliver` until `condition` holds (true) or ten seconds pass or
    // the server closes (false).
    bool deliverUntil(const std::function<void(const std::string&)>& deliver,
                      const std::function<bool()>& condition);

private:
    int descriptor_ = -1;
    bool closed_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace vesk::testing
