#include "world/SimulatedPlayers.h"

#include "world/CharacterLink.h"
#include "world/World.h"

namespace vesk::sim {
namespace {

constexpr std::string_view chatter[] = {
    "anyone seen the big orc in the marsh?", "hi all",
    "the Rusty Flagon has new ale!",         "lag is bad tonight",
    "who wants to group for the marsh?",
};

constexpr int tellAnswerMilliseconds = 800;

} // namespace

SimulatedPlayers::SimulatedPlayers(World& world, int chatterMilliseconds, unsigned seed,
                                   QObject* parent)
    : QObject(parent), world(world), random(seed) {
    members = {
        {{"Bob", 8, "human", "fighter", "player"}, "tavern", true},
        {{"Mirela", 21, "elf", "cleric", "player"}, "square", true},
        {{"Grist", 15, "dwarf", "monk", "player"}, "yard", true},
    };
    for (const auto& member : members) {
        world.addSimulated(member.entry, member.room);
    }
    connect(&world, &World::simulatedPlayerTold, this, &SimulatedPlayers::answerTell);
    if (chatterMilliseconds > 0) {
        chatterTimer.setInterval(chatterMilliseconds);
        connect(&chatterTimer, &QTimer::timeout, this, &SimulatedPlayers::act);
        chatterTimer.start();
    }
}

void SimulatedPlayers::act() {
    auto& member =
        members[std::uniform_int_distribution<std::size_t>(0, members.size() - 1)(random)];
    if (std::uniform_int_distribution<int>(1, 5)(random) == 1) {
        toggleOnline(member);
    } else if (member.online) {
        chat(member);
    }
}

void SimulatedPlayers::chat(const Member& member) {
    const auto& line =
        chatter[std::uniform_int_distribution<std::size_t>(0, std::size(chatter) - 1)(random)];
    if (std::uniform_int_distribution<int>(1, 3)(random) == 1) {
        world.toRoom(member.room, member.entry.name + " says: " + std::string(line), nullptr);
        return;
    }
    const auto spoken = world.channels().speak({"Gossip", false}, member.entry.name, line);
    world.toEveryone(spoken, nullptr);
}

void SimulatedPlayers::toggleOnline(Member& member) {
    member.online = !member.online;
    if (member.online) {
        world.addSimulated(member.entry, member.room);
    } else {
        world.removeSimulated(member.entry.name);
    }
}

void SimulatedPlayers::answerTell(const QString& from, const QString& to, const QString& text) {
    const auto answer =
        to.toStdString() + " tells you: Sorry, I'm busy. (You said: " + text.toStdString() + ")";
    const auto listener = from.toStdString();
    QTimer::singleShot(tellAnswerMilliseconds, this, [this, listener, answer] {
        if (auto* link = world.linkOf(listener)) {
            link->showLine(answer);
        }
    });
}

} // namespace vesk::sim
