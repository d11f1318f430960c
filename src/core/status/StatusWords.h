#pragma once

#include <string>

namespace vesk {

class StatusModel;

// The status pane in words, for a player who cannot see it: the vitals, then each side of the
// fight with every fighter's health in percent, as "HP 139 of 160, SP 80 of 90, MP 20 of 50,
// 2 attackers: Big orc 40%, Orc whelp 100%". A fight with nobody on a side says "no attackers";
// party members are named only when there are any.
std::string describeStatus(const StatusModel& status);

} // namespace vesk
