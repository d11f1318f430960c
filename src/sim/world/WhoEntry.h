#pragma once

#include <string>

namespace vesk::sim {

// One line of the who list: a character in the game as others see it.
struct WhoEntry {
    std::string name;
    int level = 0;
    std::string race;
    std::string className;
    std::string rank; // "player", "coder", "guest"
    auto operator<=>(const WhoEntry&) const = default;
};

} // namespace vesk::sim
