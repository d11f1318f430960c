#include "commands/FightCommands.h"

#include "base/SimOptions.h"
#include "base/TextWords.h"
#include "commands/CommandContext.h"
#include "wire/TelnetWriter.h"
#include "world/RoomMap.h"
#include "world/World.h"

namespace vesk::sim {
namespace {

struct MonsterKind {
    std::string_view name;
    int hp;
    int experience;
    int strength;
};

constexpr MonsterKind monsterKinds[] = {
    {"training dummy", 30, 20, 2},
    {"big orc", 80, 150, 7},
    {"orc whelp", 40, 60, 4},
};

int tenths(int value, int maximum) {
    return maximum <= 0 ? 0 : (value * 10 + maximum - 1) / maximum;
}

} // namespace

FightCommands::FightCommands(CommandContext& session)
    : session(session),
      random(session.options().seed * 31u + static_cast<unsigned>(session.clientNumber())) {
    roundTimer.setInterval(session.options().roundMilliseconds);
    connect(&roundTimer, &QTimer::timeout, this, &FightCommands::playRound);
}

bool FightCommands::handle(const CommandLine& command) {
    const auto word = command.words.front();
    const bool fighting = !foes.empty();
    if (word == "kill" || word == "attack" || word == "fight") {
        if (fighting) {
            session.text().line("You are already fighting!");
        } else if (command.words.size() < 2) {
            session.text().line("Kill what?");
        } else {
            start(textAfterWords(command.text, 1));
        }
        return true;
    }
    if (fighting && (word == "flee" || RoomMap::directionFromWord(word))) {
        end("You break away from the fight!");
        return word == "flee"; // a direction still walks
    }
    if (fighting && word == "rest") {
        session.text().line("Not while you are fighting!");
        return true;
    }
    return false;
}

void FightCommands::start(std::string_view target) {
    const auto& character = session.character();
    const auto* room = session.world().rooms().find(character.room);
    bool found = false;
    for (const auto& monster : room->monsters) {
        found = found || monster.find(lowerCase(target)) != std::string::npos;
    }
    if (!found) {
        session.text().line("You see no " + std::string(target) + " here.");
        return;
    }
    // Everything in the room joins in: the orcs of the marsh fight as a pair.
    for (const auto& kind : monsterKinds) {
        for (const auto& monster : room->monsters) {
            if (monster == kind.name) {
                foes.push_back({monster, kind.hp, kind.hp, kind.experience, kind.strength});
            }
        }
    }
    session.text().line(
        TelnetWriter::coloured(AnsiColour::Red, "You attack the " + foes.front().name + "!"));
    for (std::size_t index = 1; index < foes.size(); ++index) {
        session.text().line("The " + foes[index].name + " joins the fight!");
    }
    reportCombat();
    roundTimer.start();
}

void FightCommands::playRound() {
    if (!session.inGame()) {
        roundTimer.stop();
        return;
    }
    playerStrikes();
    if (foes.empty()) {
        end("You are victorious!");
        return;
    }
    foesStrike();
    auto& vitals = session.character().vitals;
    if (vitals.hp <= vitals.hpMax / 10) {
        vitals.hp = vitals.hpMax / 2;
        end("You collapse... and wake up later, bruised but alive.");
        return;
    }
    reportCombat();
    session.control().status(vitals);
    session.refreshPrompt();
}

void FightCommands::playerStrikes() {
    auto& foe = foes.front();
    auto& character = session.character();
    const int damage = roll(6, 14) + character.account.level / 2;
    foe.hp -= damage;
    session.text().line("You hit the " + foe.name + " (" + std::to_string(damage) + ").");
    if (foe.hp > 0) {
        return;
    }
    session.text().line(TelnetWriter::coloured(AnsiColour::Green, "The " + foe.name + " dies."));
    character.xp += foe.experience;
    character.xpEarned += foe.experience;
    session.text().line("You gain " + std::to_string(foe.experience) + " experience.");
    session.control().experience(character.xp, character.xpNextLevel, character.xpEarned);
    foes.erase(foes.begin());
}

void FightCommands::foesStrike() {
    for (const auto& foe : foes) {
        auto& vitals = session.character().vitals;
        vitals.hp = std::max(0, vitals.hp - roll(1, foe.strength));
        woundLimb(foe.name);
    }
}

void FightCommands::woundLimb(const std::string& attacker) {
    auto& character = session.character();
    const auto last = static_cast<int>(character.damage.size()) - 1;
    const auto limb = character.damage[roll(0, last)].limb;
    auto& damage = character.damageOf(limb);
    damage = std::min(100, damage + roll(5, 20));
    session.text().line("The " + attacker + " hits your " + limb + ".");
    session.control().limb({limb, damage});
    auto& armour = character.armourOf(limb);
    if (roll(1, 4) == 1 && armour > 0) {
        --armour;
        session.text().line("The armour on your " + limb + " is dented.");
        session.control().armour({limb, armour});
    }
}

void FightCommands::reportCombat() {
    std::vector<Combatant> combatants;
    for (const auto& foe : foes) {
        combatants.push_back({foe.name, tenths(foe.hp, foe.hpMax), false});
    }
    const auto& character = session.character();
    combatants.push_back(
        {character.name(), tenths(character.vitals.hp, character.vitals.hpMax), true});
    // Whoever else stands here fights at the player's side.
    for (const auto& name : session.world().presentIn(character.room, character.name())) {
        combatants.push_back({name, 10, true});
    }
    session.control().combat(combatants);
}

void FightCommands::end(const std::string& message) {
    roundTimer.stop();
    foes.clear();
    session.text().line(message);
    session.control().send("LEAVECOMBAT");
    session.control().status(session.character().vitals);
    session.refreshPrompt();
}

int FightCommands::roll(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

} // namespace vesk::sim
