#include "ReplayOptions.h"

#include <charconv>

namespace vesk::replay {

const char* const replayUsage =
    "usage: vesk-replay [--dir DIR] [--port P] [--chunk-size N] [--character NAME] [--save]\n"
    "                   [--summary] (CAPTURE | --type TEXT | --key NAME)...\n"
    "Feeds each CAPTURE file to the client as one received read (or cuts consecutive captures\n"
    "into N-byte reads), submits --type lines and presses --key macro keys in the order given,\n"
    "and prints what the client made of it as one JSON object.\n"
    "  --dir DIR         working directory with Preferences.DAT, Prefs2.dat, Profiles.DAT\n"
    "                    (default: a new empty temporary directory, removed at exit); the\n"
    "                    session log goes there\n"
    "  --port P          the connected port's text (default 3000; 3333 is the development site)\n"
    "  --character NAME  connect as the stored character NAME, as from the login dialog\n"
    "  --save            write the settings files back into DIR at the end, as at exit\n"
    "  --summary         print only counts (chunks, bytes, stored lines, sent payloads)\n";

namespace {

bool parseCount(const std::string& text, std::size_t& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && value > 0;
}

bool takesValue(const std::string& option) {
    return option == "--dir" || option == "--port" || option == "--chunk-size" ||
           option == "--character" || option == "--type" || option == "--key";
}

// Applies an option that has a value; an error text when the value is not usable.
std::string applyValue(ReplayOptions& options, const std::string& option,
                       const std::string& value) {
    if (option == "--dir") {
        options.directory = value;
    } else if (option == "--port") {
        options.port = value;
    } else if (option == "--character") {
        options.character = value;
    } else if (option == "--type") {
        options.steps.push_back({ReplayStep::Kind::Type, value});
    } else if (option == "--key") {
        options.steps.push_back({ReplayStep::Kind::Key, value});
    } else if (!parseCount(value, options.chunkSize)) {
        return "--chunk-size needs a positive whole number, not '" + value + "'";
    }
    return {};
}

} // namespace

ParseOutcome parseReplayOptions(const std::vector<std::string>& arguments) {
    ReplayOptions options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        if (argument == "--help" || argument == "-h") {
            return {std::nullopt, "", true};
        }
        if (argument == "--summary" || argument == "--save") {
            (argument == "--summary" ? options.summary : options.save) = true;
        } else if (takesValue(argument)) {
            if (index + 1 >= arguments.size()) {
                return {std::nullopt, argument + " needs a value"};
            }
            if (auto error = applyValue(options, argument, arguments[++index]); !error.empty()) {
                return {std::nullopt, error};
            }
        } else if (argument.starts_with("--")) {
            return {std::nullopt, "unknown option '" + argument + "'"};
        } else {
            options.steps.push_back({ReplayStep::Kind::Capture, argument});
        }
    }
    return {options, ""};
}

} // namespace vesk::replay
