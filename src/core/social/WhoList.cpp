#include "social/WhoList.h"

#include "common/KeywordTokenizer.h"
#include "common/TextFields.h"

#include <algorithm>

namespace vesk {
namespace {

constexpr std::size_t classWidth = 15;

std::string argument(const std::vector<std::string>& arguments, std::size_t index) {
    return index < arguments.size() ? arguments[index] : std::string();
}

WhoEntry entryFrom(const std::vector<std::string>& arguments) {
    return {cutToWidth(firstLetterUpper(lowerCased(arguments[0])), nameWidth),
            parseDecimal(argument(arguments, 1)),
            cutToWidth(firstLetterUpper(argument(arguments, 2)), nameWidth),
            cutToWidth(firstLetterUpper(argument(arguments, 3)), classWidth),
            cutToWidth(argument(arguments, 4), nameWidth)};
}

} // namespace

std::vector<WhoEntry>::iterator WhoList::findByName(std::string_view name) {
    return std::find_if(entries_.begin(), entries_.end(), [name](const WhoEntry& entry) {
        return equalsIgnoringCase(entry.name, name);
    });
}

bool WhoList::logOn(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return false;
    }
    if (arguments[0] == "ClearNames") {
        entries_.clear();
        return true;
    }
    if (entries_.size() >= capacity) {
        return false;
    }
    WhoEntry entry = entryFrom(arguments);
    const auto existing = findByName(entry.name);
    if (existing != entries_.end()) {
        *existing = std::move(entry);
    } else {
        entries_.push_back(std::move(entry));
    }
    return true;
}

bool WhoList::logOff(std::string_view name) {
    const auto found = findByName(name);
    if (found == entries_.end()) {
        return false;
    }
    entries_.erase(found);
    return true;
}

} // namespace vesk
