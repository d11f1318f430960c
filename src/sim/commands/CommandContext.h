#pragma once

#include <string>

namespace vesk::sim {

class CharacterLink;
class ControlWriter;
class FileTree;
class HelpLibrary;
class TelnetWriter;
class World;
struct CharacterState;
struct SimOptions;

// The game session as a command sees it: where to write game text and control lines, the
// character being played, the shared world and what the simulator holds for coders and the
// help browser. The session implements it; commands never see the connection itself.
class CommandContext {
public:
    virtual ~CommandContext() = default;

    virtual TelnetWriter& text() = 0;
    virtual ControlWriter& control() = 0;
    // Commands may touch the character only while this holds: a quit, a takeover or a lost
    // connection ends it, and their timers may still fire afterwards.
    virtual bool inGame() const = 0;
    virtual CharacterState& character() = 0;
    // The player's own link to the world, which the world leaves out when it echoes what the
    // player did to the others ("Tamsin says: hi").
    virtual const CharacterLink& link() const = 0;

    virtual World& world() = 0;
    virtual FileTree& files() = 0;
    virtual const HelpLibrary& help() const = 0;
    virtual const SimOptions& options() const = 0;
    // Numbers the connection in the log and in the seeds of its random choices.
    virtual int clientNumber() const = 0;

    virtual void log(const std::string& event) const = 0;
    // A fresh prompt once the current burst of output is written.
    virtual void refreshPrompt() = 0;
    // The player quits: the character leaves the world and the connection closes.
    virtual void leaveGame() = 0;
};

} // namespace vesk::sim
