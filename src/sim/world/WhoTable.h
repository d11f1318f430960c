#pragma once

#include "world/WhoEntry.h"

#include <string>
#include <vector>

namespace vesk::sim {

// The readable who table that the who's-online port and the "who" command print.
class WhoTable {
public:
    static std::vector<std::string> format(const std::vector<WhoEntry>& entries);
};

} // namespace vesk::sim
