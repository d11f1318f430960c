#include "settings/Settings.h"

#include "common/TextFields.h"

namespace vesk {
namespace {

SettingValue defaultValue(const SettingDefinition& definition) {
    return {definition.defaultNumbers, std::string(definition.defaultText)};
}

bool isNumberIndex(int index) {
    return index >= 0 && index < 3;
}

} // namespace

Settings::Settings() {
    restoreDefaults();
}

Settings& Settings::operator=(const Settings& other) {
    for (std::size_t row = 0; row < settingCount; ++row) {
        if (values_[row] != other.values_[row]) {
            values_[row] = other.values_[row];
            announce(SettingsTable::definitions()[row].setting);
        }
    }
    return *this;
}

void Settings::restoreDefaults() {
    values_.clear();
    for (const auto& definition : SettingsTable::definitions()) {
        values_.push_back(defaultValue(definition));
    }
}

std::int32_t Settings::number(SettingKey key, int index) const {
    if (!isNumberIndex(index)) {
        return 0;
    }
    return values_[rowOf(key)].numbers[static_cast<std::size_t>(index)];
}

char Settings::character(SettingKey key) const {
    const std::string& value = text(key);
    return value.empty() ? '\0' : value.front();
}

bool Settings::setNumber(SettingKey key, std::int32_t value, int index) {
    if (!isNumberIndex(index)) {
        return false;
    }
    std::int32_t& stored = values_[rowOf(key)].numbers[static_cast<std::size_t>(index)];
    if (stored != value) {
        stored = value;
        announce(key);
    }
    return true;
}

void Settings::setNumbers(SettingKey key, const std::array<std::int32_t, 3>& numbers) {
    std::array<std::int32_t, 3>& stored = values_[rowOf(key)].numbers;
    if (stored != numbers) {
        stored = numbers;
        announce(key);
    }
}

void Settings::setText(SettingKey key, std::string_view value) {
    std::string& stored = values_[rowOf(key)].text;
    const std::string cut = cutToWidth(value, pathWidth);
    if (stored != cut) {
        stored = cut;
        announce(key);
    }
}

void Settings::announce(SettingKey key) const {
    if (listener_) {
        listener_(key);
    }
}

} // namespace vesk
