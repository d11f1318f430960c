#pragma once

#include "commands/CommandGroup.h"
#include "wire/ControlWriter.h"

#include <QObject>
#include <QTimer>

#include <random>
#include <string>
#include <vector>

namespace vesk::sim {

class CommandContext;

// Fights: "kill <monster>" starts one against every monster in the room, and a timer plays a
// round at a time. Each round hurts monsters and limbs, and tells the client on the control
// channel (COMBAT with attackers and party, LIMB, AC, STATUS, XP, LEAVECOMBAT) and in text
// ("You gain %d experience."). Walking away or "flee" ends it; so does a lost connection.
class FightCommands : public QObject, public CommandGroup {
    Q_OBJECT

public:
    explicit FightCommands(CommandContext& session);
    bool handle(const CommandLine& command) override;

private:
    struct Foe {
        std::string name;
        int hp = 0;
        int hpMax = 0;
        int experience = 0;
        int strength = 0;
    };

    void start(std::string_view target);
    void playRound();
    void playerStrikes();
    void foesStrike();
    void woundLimb(const std::string& attacker);
    void reportCombat();
    void end(const std::string& message);
    int roll(int low, int high);

    CommandContext& session;
    QTimer roundTimer;
    std::mt19937 random;
    std::vector<Foe> foes;
};

} // namespace vesk::sim
