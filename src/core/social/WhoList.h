#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// One character the server reports as logged on.
struct WhoEntry {
    std::string name;
    std::int32_t level = 0;
    // LOGON's third, fourth and fifth words: what the who-list window shows as race and class,
    // and the rank the game gives ("player", "coder", "guest"), which no column shows.
    std::string race;
    std::string characterClass;
    std::string rank;
    auto operator<=>(const WhoEntry&) const = default;
};

// Who is logged on to the game, kept by the server through LOGON and LOGOFF. At most 100
// entries in arrival order; never saved. The caller checks that the who-list window exists
// and repaints it when a call reports a change.
class WhoList {
public:
    static constexpr std::size_t capacity = 100;

    // LOGON's arguments: name, level, race, class, rank; missing ones are empty (a missing
    // level reads 0). The name "ClearNames" empties the list. True when the list changed.
    bool logOn(const std::vector<std::string>& arguments);
    // LOGOFF: removes the first entry of that name in any letter case. True when found.
    bool logOff(std::string_view name);

    const std::vector<WhoEntry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }

private:
    std::vector<WhoEntry>::iterator findByName(std::string_view name);

    std::vector<WhoEntry> entries_;
};

} // namespace vesk
