#pragma once

#include "commands/ChallengeCheck.h"
#include "commands/CommandGroup.h"

namespace vesk::sim {

class CommandContext;

// The client's own requests: "vesk init <version>" (answered with the character's whole state
// on the control channel and a challenge), "vesk reply y z" (the challenge answer, checked and
// logged), "vesk skills", "vesk helpchange <category>" and "vesk help <topic> <category>".
class VeskCommands : public CommandGroup {
public:
    explicit VeskCommands(CommandContext& session);
    bool handle(const CommandLine& command) override;

private:
    void initialise(const CommandLine& command);
    void sendWhoList();
    void reply(const CommandLine& command);
    void skills();
    void helpContents(const CommandLine& command);
    void helpPage(const CommandLine& command);

    CommandContext& session;
    ChallengeCheck challenge;
};

} // namespace vesk::sim
