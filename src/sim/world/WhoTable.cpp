#include "world/WhoTable.h"

#include "base/TextWords.h"

#include <cstdio>

namespace vesk::sim {

std::vector<std::string> WhoTable::format(const std::vector<WhoEntry>& entries) {
    const auto count = std::to_string(entries.size());
    std::vector<std::string> lines = {
        "-=-=-=-=-=-=-=-=-=- FenmarchMUD: " + count + " online -=-=-=-=-=-=-=-=-=-",
        " Lvl  Race     Class      Name",
    };
    for (const auto& entry : entries) {
        char row[160];
        std::snprintf(row, sizeof row, " %3d  %-8.8s %-10.10s %.15s%s", entry.level,
                      capitalisedName(entry.race).c_str(), capitalisedName(entry.className).c_str(),
                      entry.name.c_str(), entry.rank == "coder" ? " (coder)" : "");
        lines.emplace_back(row);
    }
    lines.emplace_back("-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-");
    return lines;
}

} // namespace vesk::sim
