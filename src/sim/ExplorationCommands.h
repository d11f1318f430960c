#pragma once

#include "CommandGroup.h"

#include <string>

namespace vesk::sim {

class GameSession;

// Getting about and looking around: look, the directions, score, prompt, rest, who, help and
// quit. "score" and "rest" also send the control lines that keep the client's status window in
// step with what the text says.
class ExplorationCommands : public CommandGroup {
public:
    explicit ExplorationCommands(GameSession& session) : session(session) {}
    bool handle(const CommandLine& command) override;

private:
    void look();
    void move(const std::string& direction);
    void score();
    void choosePrompt(const CommandLine& command);
    void rest();
    void who();
    void help();

    GameSession& session;
};

} // namespace vesk::sim
