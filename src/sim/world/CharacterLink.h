#pragma once

#include "world/WhoEntry.h"

#include <string>

namespace vesk::sim {

// How the world reaches the player of a character: a connected game session implements it.
// The world talks through it to announce arrivals, speech and who logs on or off; how that
// reaches the player's screen (game text, control lines, a fresh prompt) is the link's affair.
class CharacterLink {
public:
    virtual ~CharacterLink() = default;

    // A line of game text, followed in good time by a fresh prompt.
    virtual void showLine(const std::string& text) = 0;
    // Someone entered the game or left it, for the player's who list; a fresh prompt follows.
    virtual void playerLoggedOn(const WhoEntry& entry) = 0;
    virtual void playerLoggedOff(const std::string& name) = 0;
    // The same character logged in on another connection; this one must let go.
    virtual void takenOver() = 0;
};

} // namespace vesk::sim
