#pragma once

#include "ChallengeCheck.h"
#include "CommandGroup.h"

namespace vesk::sim {

class GameSession;

// The client's own requests: "vesk init <version>" (answered with the character's whole state
// on the control channel and a challenge), "vesk reply y z" (the challenge answer, checked and
// logged), "vesk skills", "vesk helpchange <category>" and "vesk help <topic> <category>".
class VeskCommands : public CommandGroup {
public:
    explicit VeskCommands(GameSession& session);
    bool handle(const CommandLine& command) override;

private:
    void initialise(const CommandLine& command);
    void sendWhoList();
    void reply(const CommandLine& command);
    void skills();
    void helpContents(const CommandLine& command);
    void helpPage(const CommandLine& command);

    GameSession& session;
    ChallengeCheck challenge;
};

} // namespace vesk::sim
