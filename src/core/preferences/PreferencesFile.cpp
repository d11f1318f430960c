#include "preferences/PreferencesFile.h"

#include "common/KeywordTokenizer.h"
#include "common/LineReader.h"
#include "common/TextFields.h"
#include "common/TextFormat.h"
#include "preferences/Preferences.h"

#include <algorithm>

namespace vesk {
namespace {

// Lines are cut at 254 characters, except key lines inside a section: a padded key with a
// 255-character path, or a friends list with many members, is longer than that, and the
// client must read back every line it writes.
constexpr std::size_t lineLimit = 254;
// Section names are found with these separators: a tab after a name does not end it.
constexpr std::string_view sectionSeparators = " \r\n";

bool isSectionName(std::string_view name) {
    const auto names = SettingsTable::sectionNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

void readValues(const SettingDefinition& row, KeywordTokenizer& tokenizer, SettingValue& value) {
    switch (row.kind) {
    case SettingKind::Integers:
        for (int index = 0; index < row.count; ++index) {
            if (const auto number = tokenizer.NextInt()) {
                value.numbers[static_cast<std::size_t>(index)] = *number;
            }
        }
        break;
    case SettingKind::Text:
        value.text = cutToWidth(tokenizer.remainingTokensJoined(), pathWidth);
        break;
    case SettingKind::Character:
        if (const auto token = tokenizer.NextToken()) {
            value.text = token->substr(0, 1);
        }
        break;
    }
}

// A key line of a known section that names no key of this client is noted; a comment ('#')
// is not. Every other line of the friends section is a list, so none is skipped there.
void readSection(std::string_view section, LineReader& reader, Preferences& preferences,
                 SkippedLines& skipped) {
    KeywordTokenizer tokenizer;
    while (const auto line = reader.readLine(LineReader::wholeLine)) {
        const auto key = tokenizer.startLine(*line);
        if (!key) {
            continue;
        }
        if (*key == "End") {
            return;
        }
        const int row = SettingsTable::indexForFileKey(section, *key);
        if (row >= 0) {
            readValues(SettingsTable::definitions()[static_cast<std::size_t>(row)], tokenizer,
                       preferences.settings.at(static_cast<std::size_t>(row)));
        } else if (section == "Friends") {
            preferences.friends.readListLine(*key, tokenizer);
        } else if (!key->starts_with('#')) {
            skipped.skip(*key);
        }
    }
}

std::string writtenLine(const SettingDefinition& row, const SettingValue& value) {
    const char* format = row.format.data();
    const auto& numbers = value.numbers;
    switch (row.kind) {
    case SettingKind::Text:
        return formatText(format, value.text.c_str());
    case SettingKind::Character:
        return formatText(format, value.text.empty() ? '\0' : value.text.front());
    case SettingKind::Integers:
        break;
    }
    if (row.count == 3) {
        return formatText(format, numbers[0], numbers[1], numbers[2]);
    }
    return row.count == 2 ? formatText(format, numbers[0], numbers[1])
                          : formatText(format, numbers[0]);
}

void writeSection(std::string_view section, const Preferences& preferences, std::string& text) {
    text += std::string(section) + "\n";
    const auto rows = SettingsTable::definitions();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].section == section) {
            text += writtenLine(rows[row], preferences.settings.at(row));
        }
    }
    if (section == "Friends") {
        preferences.friends.writeListLines(text);
    }
    text += "End\n";
}

} // namespace

SkippedLines PreferencesFile::read(std::string_view text, Preferences& preferences,
                                   Reporting& reporting) {
    LineReader reader(text);
    return read(reader, preferences, reporting);
}

// Outside the known sections, a name alone on its line opens a section of a newer client,
// which runs to its "End"; any other line there is no setting.
SkippedLines PreferencesFile::read(LineReader& reader, Preferences& preferences,
                                   Reporting& reporting) {
    KeywordTokenizer tokenizer;
    SkippedLines skipped;
    bool sawSection = false;
    bool sawText = false;
    bool inNewerSection = false;
    while (const auto line = reader.readLine(lineLimit)) {
        const auto name = tokenizer.startLine(*line, sectionSeparators);
        sawText = sawText || line->find_first_not_of(" \t\r") != line->npos;
        if (!name || name->starts_with('#')) {
            continue;
        }
        if (!isSectionName(*name)) {
            const bool alone = !tokenizer.NextToken();
            if (inNewerSection || (alone && SkippedLines::isSettingName(*name))) {
                skipped.skip(*name);
                inNewerSection = *name != "End";
            } else {
                skipped.unreadable = true;
            }
            continue;
        }
        sawSection = true;
        inNewerSection = false;
        if (*name == "Characters") {
            preferences.characters.readSection(reader, reporting, skipped);
        } else {
            readSection(*name, reader, preferences, skipped);
        }
    }
    // A file with text but no section is not a settings file the client can keep.
    skipped.unreadable = skipped.unreadable || (sawText && !sawSection);
    return skipped;
}

std::string PreferencesFile::write(const Preferences& preferences) {
    std::string text;
    for (const auto section : SettingsTable::sectionNames()) {
        if (section == "Characters") {
            preferences.characters.writeSection(text);
        } else {
            writeSection(section, preferences, text);
        }
    }
    return text;
}

} // namespace vesk
