#pragma once

#include "world/WhoEntry.h"

#include <QObject>
#include <QTimer>

#include <random>
#include <vector>

namespace vesk::sim {

class World;

// A few made-up players who make the world feel inhabited: now and then one chats on a
// channel, says something, or logs off and on again (so clients see LOGON and LOGOFF), and
// they answer tells.
class SimulatedPlayers : public QObject {
    Q_OBJECT

public:
    // chatterMilliseconds 0: they log on once and then keep quiet.
    SimulatedPlayers(World& world, int chatterMilliseconds, unsigned seed,
                     QObject* parent = nullptr);

private:
    struct Member {
        WhoEntry entry;
        std::string room;
        bool online = true;
    };

    void act();
    void chat(const Member& member);
    void toggleOnline(Member& member);
    void answerTell(const QString& from, const QString& to, const QString& text);

    World& world;
    std::vector<Member> members;
    QTimer chatterTimer;
    std::mt19937 random;
};

} // namespace vesk::sim
