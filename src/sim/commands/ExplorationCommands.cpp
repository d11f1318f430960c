#include "commands/ExplorationCommands.h"

#include "base/TextWords.h"
#include "commands/CommandContext.h"
#include "wire/ControlWriter.h"
#include "wire/TelnetWriter.h"
#include "world/WhoTable.h"
#include "world/World.h"

namespace vesk::sim {

bool ExplorationCommands::handle(const CommandLine& command) {
    const auto word = command.words.front();
    if (const auto direction = RoomMap::directionFromWord(word)) {
        move(*direction);
    } else if (word == "go" && command.words.size() > 1 &&
               RoomMap::directionFromWord(command.words[1])) {
        move(*RoomMap::directionFromWord(command.words[1]));
    } else if (word == "look" || word == "l") {
        look();
    } else if (word == "score" || word == "sc") {
        score();
    } else if (word == "prompt") {
        choosePrompt(command);
    } else if (word == "rest") {
        rest();
    } else if (word == "who") {
        who();
    } else if (word == "help" || word == "commands") {
        help();
    } else if (word == "quit") {
        session.text().line("Goodbye, " + session.character().name() + ". Come back soon!");
        session.leaveGame();
    } else {
        return false;
    }
    return true;
}

void ExplorationCommands::look() {
    auto& text = session.text();
    const auto& character = session.character();
    const auto* room = session.world().rooms().find(character.room);
    text.line(TelnetWriter::coloured(AnsiColour::Cyan, room->title));
    for (const auto& line : room->description) {
        text.line(line);
    }
    std::string exits;
    for (const auto& exit : room->exits) {
        exits += (exits.empty() ? "" : ", ") + exit.direction;
    }
    text.line("Obvious exits: " + exits + ".");
    for (const auto& monster : room->monsters) {
        text.line(TelnetWriter::coloured(AnsiColour::Red, capitalisedName(monster) + " is here."));
    }
    for (const auto& name : session.world().presentIn(room->id, character.name())) {
        text.line(name + " is here.");
    }
}

void ExplorationCommands::move(const std::string& direction) {
    auto& character = session.character();
    auto& world = session.world();
    const auto* room = world.rooms().find(character.room);
    for (const auto& exit : room->exits) {
        if (exit.direction == direction) {
            world.toRoom(character.room, character.name() + " leaves " + direction + ".",
                         &session.link());
            character.room = exit.target;
            world.toRoom(character.room, character.name() + " arrives.", &session.link());
            look();
            return;
        }
    }
    session.text().line("You cannot go that way.");
}

void ExplorationCommands::score() {
    const auto& c = session.character();
    const auto& v = c.vitals;
    auto& text = session.text();
    text.line(c.name() + " the " + c.account.race + " " + c.account.className + ", level " +
              std::to_string(c.account.level) + (c.account.coder ? " (coder)" : ""));
    text.line("Hit points " + std::to_string(v.hp) + "/" + std::to_string(v.hpMax) +
              ", spell points " + std::to_string(v.sp) + "/" + std::to_string(v.spMax) +
              ", magic points " + std::to_string(v.mp) + "/" + std::to_string(v.mpMax) + ".");
    text.line("Experience " + std::to_string(c.xp) + "; the next level at " +
              std::to_string(c.xpNextLevel) + "; earned since login " + std::to_string(c.xpEarned) +
              ".");
    session.control().status(v);
    session.control().experience(c.xp, c.xpNextLevel, c.xpEarned);
}

void ExplorationCommands::choosePrompt(const CommandLine& command) {
    const auto style = command.words.size() > 1 ? command.words[1] : std::string_view{};
    auto& character = session.character();
    if (style == "full") {
        character.promptStyle = PromptStyle::Full;
    } else if (style == "short") {
        character.promptStyle = PromptStyle::Short;
    } else if (style == "limb") {
        character.promptStyle = PromptStyle::Limb;
    } else {
        session.text().line("Usage: prompt full | short | limb");
        return;
    }
    session.text().line("Your prompt is now " + std::string(style) + ".");
}

void ExplorationCommands::rest() {
    auto& character = session.character();
    character.heal();
    session.text().line("You rest a while. Your wounds close and your head clears.");
    session.control().status(character.vitals);
    for (const auto& entry : character.damage) {
        session.control().limb(entry);
    }
}

void ExplorationCommands::who() {
    for (const auto& line : WhoTable::format(session.world().who())) {
        session.text().line(line);
    }
}

void ExplorationCommands::help() {
    auto& text = session.text();
    text.line("Commands: look, north/south/east/west (n/s/e/w), score, who, rest, quit,");
    text.line("  say <text>, tell <name> <text>, shout <text>, gossip <text>,");
    text.line("  <channel>emote <text>, review <channel>, kill <monster>, flee,");
    text.line("  prompt full|short|limb.");
    if (session.character().account.coder) {
        text.line("Coders: oed <file>, osave, more <file>, clone <file>, update <file>,");
        text.line("  ofile dir <path>, ofile files <path>.");
    }
}

} // namespace vesk::sim
