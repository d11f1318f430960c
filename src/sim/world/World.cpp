#include "world/World.h"

#include "base/SimLog.h"
#include "base/TextWords.h"
#include "world/CharacterLink.h"

#include <QTimer>

namespace vesk::sim {

WhoEntry whoEntryOf(const Account& account) {
    const auto rank = account.coder ? "coder" : (account.guest ? "guest" : "player");
    return {account.name, account.level, account.race, account.className, rank};
}

World::Entry World::enter(const Account& account, CharacterLink& link) {
    if (auto* presence = findPresence(account.name)) {
        if (presence->link && presence->link != &link) {
            presence->link->takenOver();
        }
        presence->link = &link;
        presence->lingerToken = 0;
        toRoom(presence->character->room, account.name + " wakes up and looks around.", &link);
        return {presence->character.get(), true};
    }
    auto& presence = present[lowerCase(account.name)];
    presence.character =
        std::make_unique<CharacterState>(CharacterState::create(account, roomMap.startRoom().id));
    presence.link = &link;
    toEveryone(account.name + " has entered the game.", &link);
    announceLogon(whoEntryOf(account), &link);
    return {presence.character.get(), false};
}

void World::detach(CharacterLink& link) {
    auto* presence = presenceOf(link);
    if (!presence) {
        return;
    }
    presence->link = nullptr;
    const int token = ++nextLingerToken;
    presence->lingerToken = token;
    const auto name = presence->character->name();
    toRoom(presence->character->room, name + " stares blankly into space.", nullptr);
    QTimer::singleShot(lingerMilliseconds, this, [this, name, token] {
        const auto* lingering = findPresence(name);
        if (lingering && !lingering->link && lingering->lingerToken == token) {
            remove(name);
        }
    });
}

void World::quit(CharacterLink& link) {
    if (const auto* presence = presenceOf(link)) {
        remove(presence->character->name());
    }
}

void World::remove(std::string name) {
    logLine(name + " left the world");
    present.erase(lowerCase(name));
    toEveryone(name + " has left the game.", nullptr);
    announceLogoff(name);
}

std::vector<WhoEntry> World::who() const {
    std::vector<WhoEntry> entries;
    for (const auto& [key, presence] : present) {
        entries.push_back(whoEntryOf(presence.character->account));
    }
    for (const auto& simulatedPlayer : simulated) {
        entries.push_back(simulatedPlayer.entry);
    }
    return entries;
}

std::vector<std::string> World::presentIn(const std::string& room,
                                          const std::string& except) const {
    std::vector<std::string> names;
    for (const auto& [key, presence] : present) {
        if (presence.character->room == room && !sameName(presence.character->name(), except)) {
            names.push_back(presence.character->name());
        }
    }
    for (const auto& simulatedPlayer : simulated) {
        if (simulatedPlayer.room == room) {
            names.push_back(simulatedPlayer.entry.name);
        }
    }
    return names;
}

CharacterLink* World::linkOf(const std::string& name) const {
    const auto* presence = findPresence(name);
    return presence ? presence->link : nullptr;
}

void World::toRoom(const std::string& room, const std::string& line, const CharacterLink* except) {
    for (auto& [key, presence] : present) {
        if (presence.link && presence.link != except && presence.character->room == room) {
            presence.link->showLine(line);
        }
    }
}

void World::toEveryone(const std::string& line, const CharacterLink* except) {
    for (auto& [key, presence] : present) {
        if (presence.link && presence.link != except) {
            presence.link->showLine(line);
        }
    }
}

bool World::tell(const std::string& from, const std::string& to, const std::string& text) {
    if (isSimulated(to)) {
        emit simulatedPlayerTold(QString::fromStdString(from), QString::fromStdString(to),
                                 QString::fromStdString(text));
        return true;
    }
    const auto* presence = findPresence(to);
    if (!presence) {
        return false;
    }
    if (presence->link) {
        presence->link->showLine(from + " tells you: " + text);
    }
    return true;
}

void World::addSimulated(const WhoEntry& entry, const std::string& room) {
    simulated.push_back({entry, room});
    toEveryone(entry.name + " has entered the game.", nullptr);
    announceLogon(entry, nullptr);
}

void World::removeSimulated(const std::string& name) {
    std::erase_if(simulated, [&](const auto& entry) { return sameName(entry.entry.name, name); });
    toEveryone(name + " has left the game.", nullptr);
    announceLogoff(name);
}

bool World::isSimulated(const std::string& name) const {
    for (const auto& simulatedPlayer : simulated) {
        if (sameName(simulatedPlayer.entry.name, name)) {
            return true;
        }
    }
    return false;
}

World::Presence* World::findPresence(const std::string& name) {
    const auto found = present.find(lowerCase(name));
    return found == present.end() ? nullptr : &found->second;
}

const World::Presence* World::findPresence(const std::string& name) const {
    const auto found = present.find(lowerCase(name));
    return found == present.end() ? nullptr : &found->second;
}

World::Presence* World::presenceOf(const CharacterLink& link) {
    for (auto& [key, presence] : present) {
        if (presence.link == &link) {
            return &presence;
        }
    }
    return nullptr;
}

void World::announceLogon(const WhoEntry& entry, const CharacterLink* except) {
    for (auto& [key, presence] : present) {
        if (presence.link && presence.link != except) {
            presence.link->playerLoggedOn(entry);
        }
    }
}

void World::announceLogoff(const std::string& name) {
    for (auto& [key, presence] : present) {
        if (presence.link) {
            presence.link->playerLoggedOff(name);
        }
    }
}

} // namespace vesk::sim
