#pragma once

#include "commands/CommandGroup.h"

#include <string>

namespace vesk::sim {

class CommandContext;

// Getting about and looking around: look, the directions, score, prompt, rest, who, help and
// quit. "score" and "rest" also send the control lines that keep the client's status window in
// step with what the text says.
class ExplorationCommands : public CommandGroup {
public:
    explicit ExplorationCommands(CommandContext& session) : session(session) {}
    bool handle(const CommandLine& command) override;

private:
    void look();
    void move(const std::string& direction);
    void score();
    void choosePrompt(const CommandLine& command);
    void rest();
    void who();
    void help();

    CommandContext& session;
};

} // namespace vesk::sim
