#include "social/WhoListView.h"

#include "common/TextFields.h"
#include "settings/Settings.h"
#include "social/FriendsLists.h"

#include <algorithm>

namespace vesk {
namespace {

// Case-insensitive ordering of two words; an empty word (nothing reported) goes last.
int compareWords(std::string_view first, std::string_view second) {
    if (first.empty() != second.empty()) {
        return first.empty() ? 1 : -1;
    }
    const std::string left = lowerCased(first);
    const std::string right = lowerCased(second);
    return left < right ? -1 : (right < left ? 1 : 0);
}

// Higher levels first, then names in alphabetical order.
bool byLevelThenName(const WhoRow& first, const WhoRow& second) {
    if (first.entry.level != second.entry.level) {
        return first.entry.level > second.entry.level;
    }
    return compareWords(first.entry.name, second.entry.name) < 0;
}

bool byWordThenLevel(const std::string& first, const std::string& second, const WhoRow& left,
                     const WhoRow& right) {
    const int order = compareWords(first, second);
    return order != 0 ? order < 0 : byLevelThenName(left, right);
}

bool comesBefore(WhoSort sort, const WhoRow& first, const WhoRow& second) {
    switch (sort) {
    case WhoSort::Class:
        return byWordThenLevel(first.entry.characterClass, second.entry.characterClass, first,
                               second);
    case WhoSort::Race:
        return byWordThenLevel(first.entry.race, second.entry.race, first, second);
    case WhoSort::Friends:
        if (first.isFriend != second.isFriend) {
            return first.isFriend;
        }
        return byLevelThenName(first, second);
    case WhoSort::Level:
        break;
    }
    return byLevelThenName(first, second);
}

} // namespace

std::vector<WhoRow> WhoListView::rows(const WhoList& list, const FriendsLists& friends) const {
    std::vector<WhoRow> result;
    result.reserve(list.size());
    for (const auto& entry : list.entries()) {
        result.push_back({entry, isFriend(friends, entry.name)});
    }
    std::stable_sort(result.begin(), result.end(),
                     [this](const WhoRow& a, const WhoRow& b) { return comesBefore(sort_, a, b); });
    return result;
}

std::vector<WhoColumn> WhoListView::columns(const Settings& settings) {
    const std::pair<WhoColumn, SettingKey> choices[] = {
        {WhoColumn::Level, setting::showWhoLevel},
        {WhoColumn::Name, setting::showWhoName},
        {WhoColumn::Race, setting::showWhoRace},
        {WhoColumn::Class, setting::showWhoClass},
    };
    std::vector<WhoColumn> shown;
    for (const auto& [column, key] : choices) {
        if (settings.isOn(key)) {
            shown.push_back(column);
        }
    }
    if (shown.empty()) {
        shown.push_back(WhoColumn::Name);
    }
    return shown;
}

std::string WhoListView::cellText(const WhoEntry& entry, WhoColumn column) {
    switch (column) {
    case WhoColumn::Level:
        return std::to_string(entry.level);
    case WhoColumn::Race:
        return entry.race;
    case WhoColumn::Class:
        return entry.characterClass;
    case WhoColumn::Name:
        break;
    }
    return entry.name;
}

std::string_view WhoListView::heading(WhoColumn column) {
    switch (column) {
    case WhoColumn::Level:
        return "Level";
    case WhoColumn::Race:
        return "Race";
    case WhoColumn::Class:
        return "Class";
    case WhoColumn::Name:
        break;
    }
    return "Name";
}

bool WhoListView::isFriend(const FriendsLists& friends, std::string_view name) {
    return std::ranges::any_of(friends.lists(), [name](const FriendsList& list) {
        return std::ranges::any_of(
            list.members, [name](const std::string& member) { return sameName(member, name); });
    });
}

} // namespace vesk
