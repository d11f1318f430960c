#include "app/Reconnection.h"

#include "common/Host.h"
#include "settings/Settings.h"

#include <algorithm>

namespace vesk {
namespace {

std::string_view firstWord(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    const std::size_t start = text.find_first_not_of(blanks);
    if (start == std::string_view::npos) {
        return {};
    }
    text.remove_prefix(start);
    return text.substr(0, text.find_first_of(blanks));
}

} // namespace

Reconnection::Reconnection(Host& host, const Settings& settings)
    : host_(host), settings_(settings) {}

void Reconnection::connectionMade() {
    madeByAttempt_ = attempting();
    quitSeen_ = false;
}

void Reconnection::loggedIn() {
    schedule_.stop();
    madeByAttempt_ = false;
}

void Reconnection::serverLine(std::string_view line) {
    if (line.starts_with("Goodbye")) {
        quitSeen_ = true;
    }
}

void Reconnection::commandSent(std::string_view command) {
    if (firstWord(command) == "quit") {
        quitSeen_ = true;
    }
}

void Reconnection::stop() {
    schedule_.stop();
    madeByAttempt_ = false;
}

bool Reconnection::connectionLost(bool characterLoggedIn, std::uint32_t now) {
    const bool armed = settings_.isOn(setting::autoReconnect) && !quitSeen_ &&
                       (characterLoggedIn || madeByAttempt_);
    const bool continuing = madeByAttempt_ && !characterLoggedIn;
    madeByAttempt_ = false;
    quitSeen_ = false;
    if (!armed) {
        schedule_.stop();
        return false;
    }
    // A connection an attempt made that ended before a login counts as a failed attempt, so
    // the waits keep growing against a server that takes connections and drops them.
    if (continuing && schedule_.active()) {
        if (!schedule_.attemptFailed(now)) {
            return false;
        }
    } else {
        schedule_.begin(now);
    }
    askToBeWoken(now);
    return true;
}

std::string Reconnection::attemptFailed(std::uint32_t now) {
    if (!attempting()) {
        return {};
    }
    const int attempt = schedule_.attempts();
    if (!schedule_.attemptFailed(now)) {
        return "Reconnect attempt " + std::to_string(attempt) +
               " failed; no more attempts after ten minutes.";
    }
    askToBeWoken(now);
    return "Reconnect attempt " + std::to_string(attempt) + " failed; trying again in " +
           std::to_string(secondsLeft(now)) + " s.";
}

bool Reconnection::wakeUp(std::uint32_t now, bool loginDialogAsking) {
    if (!waiting()) {
        return false;
    }
    if (!schedule_.due(now)) {
        askToBeWoken(now);
        return false;
    }
    if (loginDialogAsking) {
        host_.requestWakeUp(1000);
        return false;
    }
    schedule_.attemptStarted();
    return true;
}

// Woken at each change of the whole seconds shown, and when the wait is over.
void Reconnection::askToBeWoken(std::uint32_t now) {
    const std::uint32_t left = schedule_.millisecondsLeft(now);
    const std::uint32_t toNextSecond =
        left % 1000 == 0 ? std::min<std::uint32_t>(left, 1000) : left % 1000;
    host_.requestWakeUp(std::max<std::uint32_t>(toNextSecond, 1));
}

std::uint32_t Reconnection::secondsLeft(std::uint32_t now) const {
    return (schedule_.millisecondsLeft(now) + 999) / 1000;
}

std::string Reconnection::titleSuffix(std::uint32_t now) const {
    // During an attempt the connection's own titles say how far it got.
    if (waiting()) {
        return " - Reconnecting in " + std::to_string(secondsLeft(now)) + " s";
    }
    return {};
}

} // namespace vesk
