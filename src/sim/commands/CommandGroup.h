#pragma once

#include <string_view>
#include <vector>

namespace vesk::sim {

struct CommandLine {
    std::string_view text;               // the whole line as typed
    std::vector<std::string_view> words; // never empty
};

// One family of game commands (moving about, talking, the client's "vesk" requests, coding).
// A session offers each typed line to its groups in turn until one takes it.
class CommandGroup {
public:
    virtual ~CommandGroup() = default;
    virtual bool handle(const CommandLine& command) = 0;
};

} // namespace vesk::sim
