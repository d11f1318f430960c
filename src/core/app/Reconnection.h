#pragma once

#include "connection/ReconnectSchedule.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vesk {

class Host;
class Settings;

// Reconnecting by itself after a connection ended without the player asking (the server
// closed it, a reset, a read error). It is armed only for a connection on which a character
// logged in, or one an attempt made, so the who's-online service, which hangs up after its
// list, and a login the server refused are not tried again and again. It never starts after
// the player's Disconnect or Exit, nor after the player quit the game: a sent command whose
// first word is "quit", or a line from the server that begins "Goodbye" (the game's farewell,
// "Goodbye, Tamsin. Come back soon!"). Disconnect, a successful login and the player's own
// connect stop it; "AutoReconnect" 0 turns it off. No attempt starts while a login dialog asks
// for input: the attempt waits for it.
class Reconnection {
public:
    Reconnection(Host& host, const Settings& settings);

    // The waits (tests and the end-to-end runs use a short plan).
    void setPlan(ReconnectSchedule::Plan plan) { schedule_ = ReconnectSchedule(std::move(plan)); }

    // A connection is open; whether an attempt made it is remembered for its end.
    void connectionMade();
    // The server named the character: the attempts are over.
    void loggedIn();
    // A game line from the server, and a command the player sent, looked at for a farewell.
    void serverLine(std::string_view line);
    void commandSent(std::string_view command);
    // Disconnect, Exit or the player's own connect.
    void stop();

    // The connection ended without the player asking. True when a wait began.
    bool connectionLost(bool characterLoggedIn, std::uint32_t now);
    // The attempt made no connection. The one line the output shows for it.
    std::string attemptFailed(std::uint32_t now);
    // The host's wake-up: true when an attempt is to start now.
    bool wakeUp(std::uint32_t now, bool loginDialogAsking);

    bool attempting() const { return schedule_.state() == ReconnectSchedule::State::Attempting; }
    bool waiting() const { return schedule_.state() == ReconnectSchedule::State::Waiting; }
    bool active() const { return schedule_.active(); }
    int attempts() const { return schedule_.attempts(); }
    // Shown after "Vesk - Not Connected" while a wait runs: " - Reconnecting in 8 s".
    std::string titleSuffix(std::uint32_t now) const;
    // Whole seconds left, rounded up, as the countdown shows them.
    std::uint32_t secondsLeft(std::uint32_t now) const;

private:
    void askToBeWoken(std::uint32_t now);

    Host& host_;
    const Settings& settings_;
    ReconnectSchedule schedule_;
    bool madeByAttempt_ = false;
    bool quitSeen_ = false;
};

} // namespace vesk
