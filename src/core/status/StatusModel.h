#pragma once

#include "status/CombatantList.h"
#include "status/NamedValueTable.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// Everything the status window shows about the character: vitals, experience, limb damage and
// armour, the two sides of the current fight and the character's name. Control messages and
// recognised prompts write it; the status window only reads it. Operations that the player
// should see at once ask for a repaint through the callback given at construction.
class StatusModel {
public:
    static constexpr std::size_t characterNameLimit = 63;
    // A body has tens of limbs; names beyond this many are ignored.
    static constexpr std::size_t limbLimit = 64;

    explicit StatusModel(std::function<void()> repaint = {});

    std::int32_t hp = 0, hpMax = 0, sp = 0, spMax = 0, mp = 0, mpMax = 0;
    std::int32_t xp = 0, xpNextLevel = 0, xpEarned = 0;
    NamedValueTable limbDamage{limbLimit};
    NamedValueTable limbArmour{limbLimit};
    CombatantList attackers;
    CombatantList partyMembers;

    const std::string& characterName() const { return characterName_; }

    void applyStatus(const std::vector<std::int32_t>& values);
    void applyXp(const std::vector<std::int32_t>& values);
    void setLimbDamage(std::string_view name, std::int32_t value);
    void setLimbArmour(std::string_view name, std::int32_t value);
    void defineLimbs(const std::vector<NamedValueTable::Entry>& pairs);
    void setCombat(const std::vector<std::string_view>& tokens);
    void leaveCombat();
    void redraw();
    void setCharacterName(std::string_view name);
    void setPromptVitals(std::int32_t newHp, std::int32_t newSp, std::int32_t newMp);
    void setFullVitals(const std::vector<std::int32_t>& values);
    void setPromptLimb(std::int32_t newHp, std::int32_t newSp, std::int32_t newMp,
                       std::string_view words);
    void addExperience(std::int32_t amount);
    // Asks the status view to repaint (the armour message repaints even without a value).
    void requestRepaint();

private:
    std::string characterName_;
    std::function<void()> repaint_;
};

} // namespace vesk
