#include "commands/VeskCommands.h"

#include "base/SimLog.h"
#include "base/SimOptions.h"
#include "base/TextWords.h"
#include "commands/CommandContext.h"
#include "wire/ControlWriter.h"
#include "wire/TelnetWriter.h"
#include "world/HelpLibrary.h"
#include "world/SkillSheet.h"
#include "world/World.h"

namespace vesk::sim {

VeskCommands::VeskCommands(CommandContext& session)
    : session(session),
      challenge(session.options().seed * 7919u + static_cast<unsigned>(session.clientNumber())) {}

bool VeskCommands::handle(const CommandLine& command) {
    if (command.words.front() != "vesk" || command.words.size() < 2) {
        return false;
    }
    const auto request = command.words[1];
    if (request == "init") {
        initialise(command);
    } else if (request == "reply") {
        reply(command);
    } else if (request == "skills") {
        skills();
    } else if (request == "helpchange") {
        helpContents(command);
    } else if (request == "help") {
        helpPage(command);
    } else {
        session.log("made an unknown vesk request");
    }
    return true;
}

void VeskCommands::initialise(const CommandLine& command) {
    const auto version = command.words.size() > 2 ? command.words[2] : std::string_view("?");
    session.log("asked for the control channel (client version " + printable(version) + ")");
    auto& control = session.control();
    const auto& character = session.character();
    control.name(character.name());
    if (character.account.coder) {
        control.send("INIT");
    }
    control.status(character.vitals);
    control.limbs(character.damage);
    for (const auto& entry : character.armour) {
        control.armour(entry);
    }
    control.experience(character.xp, character.xpNextLevel, character.xpEarned);
    // The news starts afresh at every request, as the who list does, so a client that asks
    // again (a reconnect, "Refresh") shows it once.
    control.send("NEWS", "CLEAR");
    control.send("NEWS", "Welcome to FenmarchMUD! The marsh orcs are restless again.");
    sendWhoList();
    control.challenge(challenge.issue());
}

void VeskCommands::sendWhoList() {
    session.control().send("LOGON", "ClearNames");
    for (const auto& entry : session.world().who()) {
        session.control().logon(entry);
    }
}

void VeskCommands::reply(const CommandLine& command) {
    const auto pair = ChallengeCheck::parseReply(command.text);
    if (!pair) {
        session.log("sent a malformed challenge reply");
        return;
    }
    switch (challenge.judge(*pair)) {
    case ChallengeCheck::Verdict::Matched:
        session.log("challenge reply matched");
        break;
    case ChallengeCheck::Verdict::NotMatched:
        session.log("challenge reply did not match");
        break;
    case ChallengeCheck::Verdict::NothingIssued:
        session.log("sent a challenge reply before any challenge");
        break;
    }
}

void VeskCommands::skills() {
    const auto& account = session.character().account;
    session.control().send("CLASS", account.className);
    for (const auto& entry : SkillSheet::skillsFor(account.className, account.level)) {
        session.control().skill(entry);
    }
}

void VeskCommands::helpContents(const CommandLine& command) {
    const auto key = textAfterWords(command.text, 2);
    const auto topics = session.help().topics(key);
    session.control().listing("HELPCONTENTS", "", topics.value_or(std::vector<std::string>{}));
}

void VeskCommands::helpPage(const CommandLine& command) {
    const auto topic = command.words.size() > 2 ? command.words[2] : std::string_view("help");
    session.control().send("HELPBEGIN");
    for (const auto& line : session.help().page(topic)) {
        session.text().line(line);
    }
    session.control().send("HELPEND");
}

} // namespace vesk::sim
