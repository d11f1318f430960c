#pragma once

#include <string>

namespace vesk::sim {

class ControlWriter;

// How the world reaches the player of a character: a connected game session implements it.
// The world talks through it to announce arrivals, speech and who logs on or off.
class CharacterLink {
public:
    virtual ~CharacterLink() = default;

    // A line of game text, followed in good time by a fresh prompt.
    virtual void showLine(const std::string& text) = 0;
    // For control lines; call refreshPrompt after writing.
    virtual ControlWriter& controlLines() = 0;
    virtual void refreshPrompt() = 0;
    // The same character logged in on another connection; this one must let go.
    virtual void takenOver() = 0;
};

} // namespace vesk::sim
