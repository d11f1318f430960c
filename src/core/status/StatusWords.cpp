#include "status/StatusWords.h"

#include "status/StatusModel.h"

#include <algorithm>

namespace vesk {
namespace {

std::string vital(const char* name, int value, int maximum) {
    return std::string(name) + " " + std::to_string(value) + " of " + std::to_string(maximum);
}

// "2 attackers: Big orc 40%, Orc whelp 100%"; health is kept in tenths.
std::string side(const CombatantList& list, const std::string& noun) {
    const int count = list.size();
    if (count == 0) {
        return "no " + noun + "s";
    }
    std::string words = std::to_string(count) + " " + noun + (count > 1 ? "s" : "") + ":";
    for (int index = 0; index < count; ++index) {
        const int percent = std::clamp(list.healthTenths(index) * 10, 0, 100);
        words += (index > 0 ? ", " : " ") + list.entries()[static_cast<std::size_t>(index)].name +
                 " " + std::to_string(percent) + "%";
    }
    return words;
}

} // namespace

std::string describeStatus(const StatusModel& status) {
    std::string words =
        vital("HP", status.hp, status.hpMax) + ", " + vital("SP", status.sp, status.spMax) + ", " +
        vital("MP", status.mp, status.mpMax) + ", " + side(status.attackers, "attacker");
    if (status.partyMembers.size() > 0) {
        words += ", " + side(status.partyMembers, "party member");
    }
    return words;
}

} // namespace vesk
