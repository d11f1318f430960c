#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vesk::replay {

// The command line of vesk-replay, read in order: captures are fed in the order given.
struct ReplayOptions {
    std::string directory;     // working directory with the settings files; empty: a fresh one
    std::string port = "3000"; // the connected port's text
    std::size_t chunkSize = 0; // 0: each capture file is one read
    bool summary = false;      // counts only, for large captures and benchmarks
    std::vector<std::string> captures;
};

struct ParseOutcome {
    std::optional<ReplayOptions> options;
    std::string error; // one line, when options is empty and help was not asked for
    bool help = false;
};

ParseOutcome parseReplayOptions(const std::vector<std::string>& arguments);

extern const char* const replayUsage;

} // namespace vesk::replay
