#pragma once

#include "connection/LineTriggers.h"

#include <string>
#include <vector>

namespace vesk::testing {

// Triggers that only note which lines reached them.
struct RecordingTriggers : LineTriggers {
    void MatchTriggers(std::string_view line, int&) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

} // namespace vesk::testing
