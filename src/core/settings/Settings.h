#pragma once

#include "settings/SettingsTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vesk {

// The value of one setting: its integers, or its text (a path, or the one character of
// stackCharacter).
struct SettingValue {
    std::array<std::int32_t, 3> numbers{};
    std::string text;
    auto operator<=>(const SettingValue&) const = default;
};

// The current value of every row of the settings table, filled with the defaults at first.
// Settings are read and changed by their key; an unknown key reads as 0 or empty and cannot
// be set, so a misspelt key is harmless.
class Settings {
public:
    Settings();

    void restoreDefaults();

    std::int32_t number(SettingKey key, int index = 0) const;
    // Setting flags count as on only when they equal 1.
    bool isOn(SettingKey key) const { return number(key) == 1; }
    const std::string& text(SettingKey key) const;
    // stackCharacter: the first byte of its text, 0 when empty.
    char character(SettingKey key) const;

    bool setNumber(SettingKey key, std::int32_t value, int index = 0);
    // Texts are cut to the 255 characters a path may hold.
    bool setText(SettingKey key, std::string_view value);

    // By row of SettingsTable::definitions(), for the file reader and writer.
    SettingValue& at(std::size_t row) { return values_[row]; }
    const SettingValue& at(std::size_t row) const { return values_[row]; }

    bool operator==(const Settings&) const = default;

private:
    std::vector<SettingValue> values_;
};

} // namespace vesk
