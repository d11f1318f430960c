#pragma once

#include <optional>

namespace vesk {

class Settings;

// Command stacking: several commands in one line, cut at the separator character. The send
// path, the trigger editor's sound browse and the options page all read the two settings
// through here, so a stored value means the same everywhere: any value of useCommandStacking
// but 0 switches stacking on, as the send path has always taken it.
struct CommandStacking {
    static bool isOn(const Settings& settings);
    // The separator while stacking is on and one is set (an empty separator field stores a
    // zero byte, which means none); nothing otherwise.
    static std::optional<char> separator(const Settings& settings);
};

} // namespace vesk
