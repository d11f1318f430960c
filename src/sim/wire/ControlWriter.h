#pragma once

#include "protocol/ChallengeCipher.h"
#include "world/CharacterState.h"
#include "world/SkillSheet.h"
#include "world/WhoEntry.h"

#include <string>
#include <string_view>
#include <vector>

namespace vesk::sim {

class TelnetWriter;

struct Combatant {
    std::string name;
    int health = 10; // tenths of full health
    bool partyMember = false;
    auto operator<=>(const Combatant&) const = default;
};

// Writes the in-band control lines ("##VESK KEYWORD arguments") in the exact form the client
// reads: limb names between apostrophes with one blank before the value, combatants as
// "@name words@ health flag", numbers in decimal.
class ControlWriter {
public:
    explicit ControlWriter(TelnetWriter& text) : text(text) {}

    void send(std::string_view keyword, std::string_view arguments = {});

    void name(std::string_view characterName) { send("NAME", characterName); }
    void status(const Vitals& vitals);
    void limbs(const std::vector<LimbValue>& damage);
    void limb(const LimbValue& damage);
    void armour(const LimbValue& armour);
    void experience(int xp, int xpNextLevel, int xpEarned);
    void combat(const std::vector<Combatant>& combatants);
    void logon(const WhoEntry& entry);
    void challenge(ChallengePair pair);
    void skill(const SkillEntry& entry);
    void listing(std::string_view keyword, std::string_view first,
                 const std::vector<std::string>& names);

    static std::string quotedLimb(const LimbValue& entry);

private:
    TelnetWriter& text;
};

} // namespace vesk::sim
