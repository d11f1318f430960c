#pragma once

#include <cstdint>
#include <vector>

namespace vesk {

// When to try the server again after a connection ended without the player asking: a growing
// wait between attempts (2, 4, 8, 16 and 30 seconds, then every 30 seconds) and no attempt that
// would start more than ten minutes after the connection was lost. Times are the host's
// millisecond clock, which wraps at 2^32; only differences are ever taken.
class ReconnectSchedule {
public:
    struct Plan {
        // The waits before the first, second, ... attempt; the last repeats.
        std::vector<std::uint32_t> waits{2000, 4000, 8000, 16000, 30000};
        // No attempt starts later than this after the connection was lost.
        std::uint32_t giveUpAfter = 10 * 60 * 1000;
    };

    enum class State { Idle, Waiting, Attempting };

    ReconnectSchedule() : ReconnectSchedule(Plan{}) {}
    explicit ReconnectSchedule(Plan plan);

    // The connection was lost at `now`: the first wait begins.
    void begin(std::uint32_t now);
    // The wait is over and an attempt is under way.
    void attemptStarted();
    // The attempt came to nothing (no connection, or one that ended before a login): the next
    // wait begins. False when the next attempt would start too late; the schedule is then idle.
    bool attemptFailed(std::uint32_t now);
    void stop();

    State state() const { return state_; }
    bool active() const { return state_ != State::Idle; }
    bool due(std::uint32_t now) const;
    // Until the next attempt; 0 once it is due or while none is waited for.
    std::uint32_t millisecondsLeft(std::uint32_t now) const;
    // The wait that ends in the next attempt.
    std::uint32_t currentWait() const { return currentWait_; }
    // Attempts started since the connection was lost.
    int attempts() const { return attempts_; }

private:
    std::uint32_t waitBefore(int attempt) const;
    bool startWait(std::uint32_t now);

    Plan plan_;
    State state_ = State::Idle;
    std::uint32_t lostAt_ = 0;
    std::uint32_t waitStartedAt_ = 0;
    std::uint32_t currentWait_ = 0;
    int attempts_ = 0;
};

} // namespace vesk
