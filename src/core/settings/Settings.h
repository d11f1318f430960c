#pragma once

#include "settings/SettingsTable.h"

#include <array>
#include <cstdint>
#include <functional>
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

// The current value of every setting, filled with the defaults at first. A setting is read
// and changed by its compile-time name, which is also its place among the values.
//
// The live settings announce every change, once, with the name of the setting that changed,
// so whatever follows a setting (the wrap width, a window's layout, the saved file) reacts to
// the notice. A copy is a private draft: it announces nothing, and assigning it back to the
// live settings announces each setting that differs.
class Settings {
public:
    using Listener = std::function<void(SettingKey)>;

    Settings();
    Settings(const Settings& other) : values_(other.values_) {}
    Settings& operator=(const Settings& other);

    // Who hears of changes; only the live settings have one.
    void setListener(Listener listener) { listener_ = std::move(listener); }

    void restoreDefaults();

    std::int32_t number(SettingKey key, int index = 0) const;
    // Setting flags count as on only when they equal 1.
    bool isOn(SettingKey key) const { return number(key) == 1; }
    const std::string& text(SettingKey key) const { return values_[rowOf(key)].text; }
    // stackCharacter: the first byte of its text, 0 when empty.
    char character(SettingKey key) const;

    // False for an index outside the setting's three numbers.
    bool setNumber(SettingKey key, std::int32_t value, int index = 0);
    // All numbers of a setting at once (a colour, a place), announced as one change.
    void setNumbers(SettingKey key, const std::array<std::int32_t, 3>& numbers);
    // Texts are cut to the 255 characters a path may hold.
    void setText(SettingKey key, std::string_view value);

    // By row of SettingsTable::definitions(), for the file reader and writer. Values changed
    // here are not announced: a file is read before anything follows the settings.
    SettingValue& at(std::size_t row) { return values_[row]; }
    const SettingValue& at(std::size_t row) const { return values_[row]; }

    bool operator==(const Settings& other) const { return values_ == other.values_; }

private:
    void announce(SettingKey key) const;

    std::vector<SettingValue> values_;
    Listener listener_;
};

} // namespace vesk
