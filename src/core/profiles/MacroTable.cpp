#include "profiles/MacroTable.h"

namespace vesk {
namespace {

std::vector<std::string> buildStandardKeyNames() {
    std::vector<std::string> names = {
        "Keypad Up + Num Lock",   "Keypad Left + Num Lock",  "Keypad Right + Num Lock",
        "Keypad Down + Num Lock", "Keypad 5 + Num Lock",     "Keypad Home + Num Lock",
        "Keypad End + Num Lock",  "Keypad Pg Up + Num Lock", "Keypad Pg Dn + Num Lock",
        "Keypad / Num Lock",      "Keypad * Num Lock",       "Keypad - Num Lock",
        "Keypad + Num Lock",      "Keypad . Num Lock"};
    for (int number = 1; number <= 12; ++number) {
        names.push_back("F" + std::to_string(number));
    }
    for (const char* arrow : {"Left", "Right", "Up", "Down"}) {
        names.emplace_back(arrow);
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        names.push_back(std::string("Ctrl + ") + letter);
    }
    return names;
}

} // namespace

const std::vector<std::string>& MacroTable::standardKeyNames() {
    static const std::vector<std::string> names = buildStandardKeyNames();
    return names;
}

MacroTable MacroTable::withStandardKeys() {
    MacroTable table;
    for (const auto& name : standardKeyNames()) {
        table[name];
    }
    return table;
}

MacroTable MacroTable::withDefaultMacros() {
    MacroTable table = withStandardKeys();
    table["Keypad Up + Num Lock"] = "north";
    table["Keypad Left + Num Lock"] = "west";
    table["Keypad Right + Num Lock"] = "east";
    table["Keypad Down + Num Lock"] = "south";
    return table;
}

std::string& MacroTable::operator[](std::string_view key) {
    const auto found = positions_.find(key);
    if (found != positions_.end()) {
        return entries_[found->second].second;
    }
    positions_.emplace(std::string(key), entries_.size());
    return entries_.emplace_back(std::string(key), std::string()).second;
}

const std::string* MacroTable::find(std::string_view key) const {
    const auto found = positions_.find(key);
    return found == positions_.end() ? nullptr : &entries_[found->second].second;
}

} // namespace vesk
