#include "input/CommandStacking.h"

#include "settings/Settings.h"

namespace vesk {

bool CommandStacking::isOn(const Settings& settings) {
    return settings.number(setting::useCommandStacking) != 0;
}

std::optional<char> CommandStacking::separator(const Settings& settings) {
    const char separator = settings.character(setting::stackCharacter);
    if (!isOn(settings) || separator == '\0') {
        return std::nullopt;
    }
    return separator;
}

} // namespace vesk
