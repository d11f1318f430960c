#include "ReplayOptions.h"

#include <charconv>

namespace vesk::replay {

const char* const replayUsage =
    "usage: vesk-replay [--dir DIR] [--port P] [--chunk-size N] [--summary] CAPTURE...\n"
    "Feeds each CAPTURE file to the client as one received read (or cuts their concatenation\n"
    "into N-byte reads) and prints what the client made of it as one JSON object.\n";

namespace {

bool parseCount(const std::string& text, std::size_t& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && value > 0;
}

} // namespace

ParseOutcome parseReplayOptions(const std::vector<std::string>& arguments) {
    ReplayOptions options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        const bool hasValue = index + 1 < arguments.size();
        if (argument == "--help" || argument == "-h") {
            return {std::nullopt, "", true};
        }
        if (argument == "--summary") {
            options.summary = true;
        } else if (argument == "--dir" || argument == "--port" || argument == "--chunk-size") {
            if (!hasValue) {
                return {std::nullopt, argument + " needs a value"};
            }
            const std::string& value = arguments[++index];
            if (argument == "--dir") {
                options.directory = value;
            } else if (argument == "--port") {
                options.port = value;
            } else if (!parseCount(value, options.chunkSize)) {
                return {std::nullopt,
                        "--chunk-size needs a positive whole number, not '" + value + "'"};
            }
        } else if (argument.starts_with("--")) {
            return {std::nullopt, "unknown option '" + argument + "'"};
        } else {
            options.captures.push_back(argument);
        }
    }
    return {options, ""};
}

} // namespace vesk::replay
