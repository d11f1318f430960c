#include "settings/Settings.h"

#include "common/TextFields.h"

namespace vesk {
namespace {

SettingValue defaultValue(const SettingDefinition& definition) {
    return {definition.defaultNumbers, std::string(definition.defaultText)};
}

} // namespace

Settings::Settings() {
    restoreDefaults();
}

void Settings::restoreDefaults() {
    values_.clear();
    for (const auto& definition : SettingsTable::definitions()) {
        values_.push_back(defaultValue(definition));
    }
}

std::int32_t Settings::number(SettingKey key, int index) const {
    const int row = SettingsTable::indexOf(key);
    if (row < 0 || index < 0 || index >= 3) {
        return 0;
    }
    return values_[static_cast<std::size_t>(row)].numbers[static_cast<std::size_t>(index)];
}

const std::string& Settings::text(SettingKey key) const {
    static const std::string empty;
    const int row = SettingsTable::indexOf(key);
    return row < 0 ? empty : values_[static_cast<std::size_t>(row)].text;
}

char Settings::character(SettingKey key) const {
    const std::string& value = text(key);
    return value.empty() ? '\0' : value.front();
}

bool Settings::setNumber(SettingKey key, std::int32_t value, int index) {
    const int row = SettingsTable::indexOf(key);
    if (row < 0 || index < 0 || index >= 3) {
        return false;
    }
    values_[static_cast<std::size_t>(row)].numbers[static_cast<std::size_t>(index)] = value;
    return true;
}

bool Settings::setText(SettingKey key, std::string_view value) {
    const int row = SettingsTable::indexOf(key);
    if (row < 0) {
        return false;
    }
    values_[static_cast<std::size_t>(row)].text = cutToWidth(value, pathWidth);
    return true;
}

} // namespace vesk
