#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vesk::replay {

// One step of a replay, in command-line order: a capture file delivers one received read,
// --type submits a line as typed into the input line, --key presses a macro key.
struct ReplayStep {
    enum class Kind { Capture, Type, Key };
    Kind kind = Kind::Capture;
    std::string value;
};

// The command line of vesk-replay.
struct ReplayOptions {
    std::string directory;     // working directory with the settings files; empty: a fresh one
    std::string port = "3000"; // the connected port's text
    std::size_t chunkSize = 0; // 0: each capture file is one read
    bool summary = false;      // counts only, for large captures and benchmarks
    bool save = false;         // write the settings files back at the end, as at exit
    std::optional<std::string> character; // connect as this stored character
    std::vector<ReplayStep> steps;
};

struct ParseOutcome {
    std::optional<ReplayOptions> options;
    std::string error; // one line, when options is empty and help was not asked for
    bool help = false;
};

ParseOutcome parseReplayOptions(const std::vector<std::string>& arguments);

extern const char* const replayUsage;

} // namespace vesk::replay
