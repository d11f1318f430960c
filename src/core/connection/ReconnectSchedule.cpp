#include "connection/ReconnectSchedule.h"

#include <utility>

namespace vesk {

ReconnectSchedule::ReconnectSchedule(Plan plan) : plan_(std::move(plan)) {
    if (plan_.waits.empty()) {
        plan_.waits.push_back(30000);
    }
}

std::uint32_t ReconnectSchedule::waitBefore(int attempt) const {
    const auto index = static_cast<std::size_t>(attempt);
    return index < plan_.waits.size() ? plan_.waits[index] : plan_.waits.back();
}

void ReconnectSchedule::begin(std::uint32_t now) {
    lostAt_ = now;
    attempts_ = 0;
    startWait(now);
}

bool ReconnectSchedule::startWait(std::uint32_t now) {
    const std::uint32_t wait = waitBefore(attempts_);
    const std::uint64_t startsAt = static_cast<std::uint64_t>(now - lostAt_) + wait;
    if (startsAt > plan_.giveUpAfter) {
        stop();
        return false;
    }
    waitStartedAt_ = now;
    currentWait_ = wait;
    state_ = State::Waiting;
    return true;
}

void ReconnectSchedule::attemptStarted() {
    if (state_ == State::Waiting) {
        state_ = State::Attempting;
        ++attempts_;
    }
}

bool ReconnectSchedule::attemptFailed(std::uint32_t now) {
    if (state_ == State::Idle) {
        return false;
    }
    return startWait(now);
}

void ReconnectSchedule::stop() {
    state_ = State::Idle;
    currentWait_ = 0;
}

bool ReconnectSchedule::due(std::uint32_t now) const {
    return state_ == State::Waiting && now - waitStartedAt_ >= currentWait_;
}

std::uint32_t ReconnectSchedule::millisecondsLeft(std::uint32_t now) const {
    if (state_ != State::Waiting) {
        return 0;
    }
    const std::uint32_t waited = now - waitStartedAt_;
    return waited >= currentWait_ ? 0 : currentWait_ - waited;
}

} // namespace vesk
