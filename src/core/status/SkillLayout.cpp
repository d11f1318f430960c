#include "status/SkillLayout.h"

#include <array>

namespace vesk {
namespace {

constexpr SkillRow clericCombat[] = {
    {"Melee", "melee"}, {"Attack", "attack"}, {"Defense", "defense"}, {"Shield", "shield"},
    {"Axe", "axe"},     {"Blunt", "blunt"},   {"Flail", "flail"},     {"Knife", "knife"},
};
constexpr SkillRow clericGeneral[] = {
    {"Misc.", "miscellaneous"}, {"Missile", "missile"},   {"Polearm", "polearm"},
    {"Staff", "staff"},         {"Spear", "spear"},       {"Sm. Sword", "smallsword"},
    {"Thrown", "thrown"},       {"Climbing", "climbing"},
};
constexpr SkillRow clericMagic[] = {
    {"Faith", "faith"},           {"Combat", "combat"},       {"Nature", "nature"},
    {"Elements", "elements"},     {"Life", "life"},           {"Death", "death"},
    {"Protection", "protection"}, {"Knowledge", "knowledge"},
};
constexpr SkillColumn cleric[] = {
    {"Combat & Weapons", clericCombat},
    {"Weapons/General", clericGeneral},
    {"Magic Skills", clericMagic},
};

constexpr SkillRow rogueWeapons[] = {
    {"Axe", "axe"},     {"Lg.Sword", "largesword"}, {"Staff", "staff"},
    {"Blunt", "blunt"}, {"Flail", "flail"},         {"Sm.Sword", "smallsword"},
    {"Spear", "spear"}, {"Knife", "knife"},         {"Melee", "melee"},
};
constexpr SkillRow rogueDeception[] = {
    {"Acrobatics", "acrobatics"}, {"Murder", "murder"},   {"Streetwise", "streetwise"},
    {"Devices", "devices"},       {"Stealth", "stealth"}, {"Subterfuge", "subterfuge"},
};
constexpr SkillRow rogueOther[] = {
    {"Attack", "attack"},
    {"Defense", "defense"},
    {"Thrown", "thrown"},
    {"DBL Wielding", "doublewielding"},
};
constexpr SkillColumn rogue[] = {
    {"Weapons", rogueWeapons},
    {"Deception", rogueDeception},
    {"Other", rogueOther},
};

constexpr SkillRow mageWeapons[] = {
    {"Blunt", "blunt"}, {"Misc.", "miscellaneous"}, {"Flail", "flail"}, {"Missile", "missile"},
    {"Knife", "knife"}, {"Sm.Sword", "smallsword"}, {"Melee", "melee"}, {"Staff", "staff"},
};
constexpr SkillRow mageMagic[] = {
    {"Conjuring", "conjuring"}, {"Planes", "planes"},     {"Necromancy", "necromancy"},
    {"Magic", "magic"},         {"Elements", "elements"}, {"Sorcery", "sorcery"},
};
constexpr SkillRow mageOther[] = {
    {"Attack", "attack"}, {"Defense", "defense"}, {"Survival", "survival"}, {"Riding", "riding"},
    {"Thrown", "thrown"}, {"Fishing", "fishing"}, {"Climbing", "climbing"},
};
constexpr SkillColumn mage[] = {
    {"Weapons", mageWeapons},
    {"Magic", mageMagic},
    {"Other", mageOther},
};

constexpr SkillRow monkWeapons[] = {
    {"Axe", "axe"},     {"Misc.", "miscellaneous"}, {"Polearm", "polearm"},
    {"Blunt", "blunt"}, {"Flail", "flail"},         {"Lg.Sword", "largesword"},
    {"Spear", "spear"}, {"Knife", "knife"},         {"Sm.Sword", "smallsword"},
};
constexpr SkillRow monkCombat[] = {
    {"Melee", "melee"},   {"Staff", "staff"},     {"Discipline", "discipline"},
    {"Sweeps", "sweeps"}, {"Missile", "missile"}, {"Punches", "punches"},
    {"Mind", "mind"},     {"Kicks", "kicks"},     {"Throws", "throws"},
};
constexpr SkillRow monkOther[] = {
    {"Attack", "attack"},        {"DBL Wielding", "doublewielding"},
    {"Two Handed", "twohanded"}, {"Defense", "defense"},
    {"Thrown", "thrown"},        {"Climbing", "climbing"},
    {"Riding", "riding"},        {"Fishing", "fishing"},
    {"Survival", "survival"},
};
constexpr SkillColumn monk[] = {
    {"Weapons", monkWeapons},
    {"Combat", monkCombat},
    {"Other", monkOther},
};

constexpr SkillRow generalCombat[] = {
    {"Attack", "attack"},   {"Shield", "shield"},         {"Thrown", "thrown"},
    {"Riding", "riding"},   {"Melee", "melee"},           {"DBL Wielding", "doublewielding"},
    {"Defense", "defense"}, {"Two-Handed", "two-handed"}, {"Missile", "missile"},
    {"Tactics", "tactics"},
};
constexpr SkillRow generalWeapons[] = {
    {"Axe", "axe"},
    {"Lg. Sword", "largesword"},
    {"Polearm", "polearm"},
    {"Blunt", "blunt"},
    {"Sm.Sword", "smallsword"},
    {"Flail", "flail"},
    {"Misc.", "miscellaneous"},
    {"Spear", "spear"},
    {"Knife", "knife"},
    {"Staff", "staff"},
};
constexpr SkillRow generalOther[] = {
    {"Survival", "survival"},
    {"Climbing", "climbing"},
    {"Fishing", "fishing"},
};
constexpr SkillColumn general[] = {
    {"Combat", generalCombat},
    {"Weapons", generalWeapons},
    {"Other", generalOther},
};

constexpr std::array<SkillLayout, 5> layouts = {{
    {"cleric", cleric},
    {"rogue", rogue},
    {"mage", mage},
    {"monk", monk},
    {"", general},
}};

} // namespace

const SkillLayout& skillLayoutFor(std::string_view className) {
    for (std::size_t index = 0; index + 1 < layouts.size(); ++index) {
        if (layouts[index].className == className) {
            return layouts[index];
        }
    }
    return layouts.back();
}

} // namespace vesk
