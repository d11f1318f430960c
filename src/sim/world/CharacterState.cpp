#include "world/CharacterState.h"

#include <algorithm>

namespace vesk::sim {
namespace {

int& valueOf(std::vector<LimbValue>& table, std::string_view limb) {
    for (auto& entry : table) {
        if (entry.limb == limb) {
            return entry.value;
        }
    }
    table.push_back({std::string(limb), 0});
    return table.back().value;
}

std::vector<std::string> limbsOf(const Account& account) {
    std::vector<std::string> limbs = {"head",      "torso",      "left arm", "left hand",
                                      "right arm", "right hand", "left leg", "left foot",
                                      "right leg", "right foot"};
    if (account.race == "sylph") {
        limbs.insert(limbs.end(), {"left wing", "right wing"});
    }
    return limbs;
}

} // namespace

int& CharacterState::damageOf(std::string_view limb) {
    return valueOf(damage, limb);
}

int& CharacterState::armourOf(std::string_view limb) {
    return valueOf(armour, limb);
}

std::string CharacterState::worstLimb() const {
    const auto worst =
        std::max_element(damage.begin(), damage.end(),
                         [](const auto& a, const auto& b) { return a.value < b.value; });
    return worst == damage.end() || worst->value <= 0 ? std::string() : worst->limb;
}

void CharacterState::heal() {
    vitals.hp = vitals.hpMax;
    vitals.sp = vitals.spMax;
    vitals.mp = vitals.mpMax;
    for (auto& entry : damage) {
        entry.value = 0;
    }
}

std::string CharacterState::promptText() const {
    const auto& v = vitals;
    const auto number = [](int value) { return std::to_string(value); };
    if (promptStyle == PromptStyle::Full) {
        return "HP: " + number(v.hp) + "/" + number(v.hpMax) + " | SP: " + number(v.sp) + "/" +
               number(v.spMax) + " | MP: " + number(v.mp) + "/" + number(v.mpMax) + " ";
    }
    auto text = "hp: " + number(v.hp) + "    sp: " + number(v.sp) + "    mp: " + number(v.mp);
    const auto limb = worstLimb();
    if (promptStyle == PromptStyle::Limb && !limb.empty()) {
        for (const auto& entry : damage) {
            if (entry.limb == limb) {
                text += "    " + limb + ": " + number(entry.value);
            }
        }
    }
    return text + " ";
}

CharacterState CharacterState::create(const Account& account, std::string room) {
    CharacterState character;
    character.account = account;
    character.room = std::move(room);
    const int level = account.level;
    character.vitals = {40 + level * 10, 40 + level * 10, 20 + level * 5,
                        20 + level * 5,  10 + level * 3,  10 + level * 3};
    for (const auto& limb : limbsOf(account)) {
        character.damageOf(limb) = 0;
        // Boots and a helmet for everyone; the torso gets the best armour.
        character.armourOf(limb) = limb == "torso" ? 4 : (limb == "head" ? 2 : 1);
    }
    character.xp = level * level * 100;
    character.xpNextLevel = (level + 1) * (level + 1) * 100;
    return character;
}

} // namespace vesk::sim
