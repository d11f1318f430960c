#pragma once

#include <cstdint>
#include <string>

namespace vesk {

// One trigger of a profile: a received line that begins with the pattern runs the command.
// Pattern and command hold at most 1023 characters each; enabled counts as on when non-zero.
struct TriggerRecord {
    std::string pattern;
    std::string command;
    std::int32_t enabled = 1;
    auto operator<=>(const TriggerRecord&) const = default;
};

} // namespace vesk
