#include "profiles/WavBrowse.h"

#include "common/TextFields.h"

namespace vesk {
namespace {

constexpr std::string_view soundSuffix = ".WAV";

bool endsInSoundFile(std::string_view command) {
    return command.size() > soundSuffix.size() &&
           equalsIgnoringCase(command.substr(command.size() - soundSuffix.size()), soundSuffix);
}

// Where the last sound file begins: right after the last separator that stands between the
// second character and the file's ".WAV"; 0 (the whole command) without one.
std::size_t lastFileStart(std::string_view command, std::optional<char> separator) {
    if (!separator) {
        return 0;
    }
    for (std::size_t position = command.size() - soundSuffix.size(); position >= 1; --position) {
        if (command[position] == *separator) {
            return position + 1;
        }
    }
    return 0;
}

} // namespace

WavBrowse WavBrowse::plan(std::string_view command, std::optional<char> stackingSeparator) {
    const std::string field = cutToWidth(command, triggerFieldWidth);
    WavBrowse browse;
    if (!endsInSoundFile(field)) {
        browse.kept_ = field;
        return browse;
    }
    const std::size_t start = lastFileStart(field, stackingSeparator);
    browse.replaces_ = true;
    browse.kept_ = field.substr(0, start);
    browse.initialFileName_ = field.substr(start);
    return browse;
}

std::string WavBrowse::apply(std::string_view path, char stackCharacter) const {
    std::string command = kept_;
    if (!replaces_ && !command.empty() && stackCharacter != '\0') {
        command += stackCharacter;
    }
    command += path;
    return cutToWidth(command, triggerFieldWidth);
}

} // namespace vesk
