#pragma once

#include "commands/CommandGroup.h"

#include <string>

namespace vesk::sim {

class CommandContext;

// Talking: say, tell, shout, the chat channels and their review. Every line has the exact
// form the client sorts into its log categories ("You say:", "Bob says: hi",
// "[Gossip] Bob: hi", the review markers).
class SocialCommands : public CommandGroup {
public:
    explicit SocialCommands(CommandContext& session) : session(session) {}
    bool handle(const CommandLine& command) override;

private:
    void say(const std::string& text);
    void tell(const CommandLine& command);
    void shout(const std::string& text);
    bool channel(const CommandLine& command);
    void review(const CommandLine& command);

    CommandContext& session;
};

} // namespace vesk::sim
