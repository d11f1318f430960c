#pragma once

#include "world/ChannelBoard.h"
#include "world/CharacterState.h"
#include "world/RoomMap.h"
#include "world/WhoEntry.h"

#include <QObject>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vesk::sim {

class CharacterLink;

// Everyone in the game: the characters of connected players, the link-dead ones kept for a
// while so their players can reconnect, and the simulated players. It routes game text between
// them (rooms, tells, everyone) and announces logons and logoffs, as text and to each player's
// link for the who list. It holds data only: what goes on the wire is the links' business.
class World : public QObject {
    Q_OBJECT

public:
    static constexpr int lingerMilliseconds = 60000;

    struct Entry {
        CharacterState* character = nullptr;
        bool reconnected = false;
    };

    explicit World(QObject* parent = nullptr) : QObject(parent) {}

    Entry enter(const Account& account, CharacterLink& link);
    // The connection was lost: the character stays, link-dead, for lingerMilliseconds.
    void detach(CharacterLink& link);
    void quit(CharacterLink& link);

    const RoomMap& rooms() const { return roomMap; }
    ChannelBoard& channels() { return channelBoard; }
    std::vector<WhoEntry> who() const;
    // Names of everyone standing in the room, real or simulated, but `except`.
    std::vector<std::string> presentIn(const std::string& room, const std::string& except) const;
    CharacterLink* linkOf(const std::string& name) const;

    void toRoom(const std::string& room, const std::string& line, const CharacterLink* except);
    void toEveryone(const std::string& line, const CharacterLink* except);
    // False when nobody of that name is in the game.
    bool tell(const std::string& from, const std::string& to, const std::string& text);

    void addSimulated(const WhoEntry& entry, const std::string& room);
    void removeSimulated(const std::string& name);
    bool isSimulated(const std::string& name) const;

signals:
    void simulatedPlayerTold(QString from, QString to, QString text);

private:
    struct Presence {
        std::unique_ptr<CharacterState> character;
        CharacterLink* link = nullptr;
        int lingerToken = 0;
    };
    struct SimulatedPresence {
        WhoEntry entry;
        std::string room;
    };

    Presence* findPresence(const std::string& name);
    const Presence* findPresence(const std::string& name) const;
    Presence* presenceOf(const CharacterLink& link);
    void remove(std::string name); // by value: the name often lives in what is removed
    void announceLogon(const WhoEntry& entry, const CharacterLink* except);
    void announceLogoff(const std::string& name);

    RoomMap roomMap;
    ChannelBoard channelBoard;
    std::map<std::string, Presence> present; // by lower-case name
    std::vector<SimulatedPresence> simulated;
    int nextLingerToken = 0;
};

WhoEntry whoEntryOf(const Account& account);

} // namespace vesk::sim
