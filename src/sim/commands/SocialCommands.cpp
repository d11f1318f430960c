#include "commands/SocialCommands.h"

#include "base/TextWords.h"
#include "commands/CommandContext.h"
#include "wire/TelnetWriter.h"
#include "world/World.h"

namespace vesk::sim {

bool SocialCommands::handle(const CommandLine& command) {
    const auto word = command.words.front();
    const std::string rest(textAfterWords(command.text, 1));
    if (word == "say") {
        say(rest);
    } else if (word == "tell") {
        tell(command);
    } else if (word == "shout") {
        shout(rest);
    } else if (word == "review") {
        review(command);
    } else {
        return channel(command);
    }
    return true;
}

void SocialCommands::say(const std::string& text) {
    if (text.empty()) {
        session.text().line("Say what?");
        return;
    }
    const auto& character = session.character();
    session.text().line("You say: " + text);
    session.world().toRoom(character.room, character.name() + " says: " + text, &session.link());
}

void SocialCommands::tell(const CommandLine& command) {
    const std::string text(textAfterWords(command.text, 2));
    if (command.words.size() < 3) {
        session.text().line("Tell whom what?");
        return;
    }
    const auto target = capitalisedName(command.words[1]);
    if (!session.world().tell(session.character().name(), target, text)) {
        session.text().line("Nobody called " + target + " is playing.");
        return;
    }
    session.text().line("You tell " + target + ": " + text);
}

void SocialCommands::shout(const std::string& text) {
    if (text.empty()) {
        session.text().line("Shout what?");
        return;
    }
    session.text().line("You shout: " + text);
    session.world().toEveryone(session.character().name() + " shouts: " + text, &session.link());
}

bool SocialCommands::channel(const CommandLine& command) {
    const auto speech = ChannelBoard::speechForCommand(command.words.front());
    if (!speech) {
        return false;
    }
    const std::string text(textAfterWords(command.text, 1));
    if (text.empty()) {
        session.text().line("Say what on " + speech->channel + "?");
        return true;
    }
    auto& world = session.world();
    // Everyone hears every channel here, the speaker too, as on a real channel.
    world.toEveryone(world.channels().speak(*speech, session.character().name(), text), nullptr);
    return true;
}

void SocialCommands::review(const CommandLine& command) {
    const auto name = command.words.size() > 1 ? ChannelBoard::channelNamed(command.words[1])
                                               : std::optional<std::string>("Gossip");
    if (!name) {
        session.text().line("There is no such channel.");
        return;
    }
    for (const auto& line : session.world().channels().review(*name)) {
        session.text().line(line);
    }
}

} // namespace vesk::sim
