#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesk::sim {

struct SkillEntry {
    std::string key;
    int level = 0;
    int percent = 0; // outside 0..100 the client shows "(MAX!)"
    auto operator<=>(const SkillEntry&) const = default;
};

// What "vesk skills" answers: the class (the client picks one of its five layouts by it) and a
// skill line for every key that layout shows. Levels are made up but stable for a character.
class SkillSheet {
public:
    // "cleric", "rogue", "mage" and "monk" have their own layouts; anything else shares one.
    static std::vector<std::string_view> keysForClass(std::string_view className);
    static std::vector<SkillEntry> skillsFor(std::string_view className, int characterLevel);
};

} // namespace vesk::sim
