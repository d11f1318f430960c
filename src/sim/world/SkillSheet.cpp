#include "world/SkillSheet.h"

namespace vesk::sim {

std::vector<std::string_view> SkillSheet::keysForClass(std::string_view className) {
    if (className == "cleric") {
        return {"melee",  "attack",     "defense",       "shield",   "axe",        "blunt",
                "flail",  "knife",      "miscellaneous", "missile",  "polearm",    "staff",
                "spear",  "smallsword", "thrown",        "climbing", "faith",      "combat",
                "nature", "elements",   "life",          "death",    "protection", "knowledge"};
    }
    if (className == "rogue") {
        return {"axe",        "largesword", "staff",   "blunt",         "flail",
                "smallsword", "spear",      "knife",   "melee",         "acrobatics",
                "murder",     "streetwise", "devices", "stealth",       "subterfuge",
                "attack",     "defense",    "thrown",  "doublewielding"};
    }
    if (className == "mage") {
        return {"blunt",    "miscellaneous", "flail",     "missile", "knife",      "smallsword",
                "melee",    "staff",         "conjuring", "planes",  "necromancy", "magic",
                "elements", "sorcery",       "attack",    "defense", "survival",   "riding",
                "thrown",   "fishing",       "climbing"};
    }
    if (className == "monk") {
        return {"axe",    "miscellaneous",  "polearm",    "blunt",   "flail",  "largesword",
                "spear",  "knife",          "smallsword", "melee",   "staff",  "discipline",
                "sweeps", "missile",        "punches",    "mind",    "kicks",  "throws",
                "attack", "doublewielding", "twohanded",  "defense", "thrown", "climbing",
                "riding", "fishing",        "survival"};
    }
    return {"attack",  "shield",     "thrown",     "riding",   "melee",         "doublewielding",
            "defense", "two-handed", "missile",    "tactics",  "axe",           "largesword",
            "polearm", "blunt",      "smallsword", "flail",    "miscellaneous", "spear",
            "knife",   "staff",      "survival",   "climbing", "fishing"};
}

std::vector<SkillEntry> SkillSheet::skillsFor(std::string_view className, int characterLevel) {
    std::vector<SkillEntry> skills;
    for (const auto key : keysForClass(className)) {
        unsigned mix = static_cast<unsigned>(characterLevel);
        for (const char character : key) {
            mix = mix * 31 + static_cast<unsigned char>(character);
        }
        const int level = static_cast<int>(mix % 60) + 1;
        // "attack" is always mastered so the client's "(MAX!)" shows in every layout.
        const int percent = key == "attack" ? 101 : static_cast<int>((mix / 60) % 100);
        skills.push_back({std::string(key), level, percent});
    }
    return skills;
}

} // namespace vesk::sim
