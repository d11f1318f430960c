#pragma once

#include "world/AccountBook.h"

#include <string>
#include <string_view>
#include <vector>

namespace vesk::sim {

struct Vitals {
    int hp = 0, hpMax = 0, sp = 0, spMax = 0, mp = 0, mpMax = 0;
    auto operator<=>(const Vitals&) const = default;
};

struct LimbValue {
    std::string limb;
    int value = 0;
    auto operator<=>(const LimbValue&) const = default;
};

enum class PromptStyle { Short, Full, Limb };

// One character in the world, whether its player is connected or link-dead: where it stands,
// its vitals, the damage and armour of each limb and its experience. The session and the fight
// change it; the control lines report it.
struct CharacterState {
    Account account;
    std::string room;
    Vitals vitals;
    std::vector<LimbValue> damage;
    std::vector<LimbValue> armour;
    int xp = 0, xpNextLevel = 0, xpEarned = 0;
    PromptStyle promptStyle = PromptStyle::Short;

    const std::string& name() const { return account.name; }
    int& damageOf(std::string_view limb);
    int& armourOf(std::string_view limb);
    // The limb hurt worst, for the limb prompt; empty when none is hurt.
    std::string worstLimb() const;
    void heal();
    std::string promptText() const;

    static CharacterState create(const Account& account, std::string room);
};

} // namespace vesk::sim
