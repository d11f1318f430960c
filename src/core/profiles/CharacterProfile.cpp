#include "profiles/CharacterProfile.h"

#include "common/KeywordTokenizer.h"
#include "common/LineReader.h"
#include "common/Reporting.h"
#include "common/TextFields.h"
#include "common/TextFormat.h"

namespace vesk {
namespace {

// Keyword lines inside a profile keep the old 2046-character limit. Trigger and macro lines
// are read whole: the longest trigger the client itself writes (two 1023-character fields,
// two separators and the flag) is longer than that, and cutting it lost the trigger.
constexpr std::size_t keywordLineLimit = 2046;

// Section lines end at "End" in any letter case; nothing else is special there, not even '#'.
std::optional<std::string> nextSectionLine(LineReader& reader) {
    auto line = reader.readLine(LineReader::wholeLine);
    if (!line) {
        return std::nullopt;
    }
    std::string whole = withoutCarriageReturns(std::move(*line));
    if (equalsIgnoringCase(whole, "End")) {
        return std::nullopt;
    }
    return whole;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == line.npos;
}

bool isControl(char letter) {
    const auto byte = static_cast<unsigned char>(letter);
    return byte < 0x20 || byte == 0x7f;
}

} // namespace

std::string CharacterProfile::cleanName(std::string_view name) {
    std::string clean(name);
    for (char& letter : clean) {
        if (isControl(letter) || letter == '"') {
            letter = ' ';
        }
    }
    clean = cutToWidth(clean, nameWidth);
    return isBlank(clean) ? std::string() : clean;
}

void CharacterProfile::setName(std::string_view name) {
    name_ = cleanName(name);
}

bool CharacterProfile::Load(LineReader& reader, Reporting& reporting) {
    KeywordTokenizer tokenizer;
    bool intact = true;
    while (auto line = reader.readLine(keywordLineLimit)) {
        const auto keyword = tokenizer.FirstToken(*line);
        if (!keyword) {
            continue;
        }
        if (equalsIgnoringCase(*keyword, "End")) {
            return intact;
        }
        if (equalsIgnoringCase(*keyword, "Name")) {
            setName(tokenizer.QuotedValue());
        } else if (equalsIgnoringCase(*keyword, "Triggers")) {
            intact = readTriggers(reader) && intact;
        } else if (equalsIgnoringCase(*keyword, "Macros")) {
            intact = readMacros(reader) && intact;
        } else {
            intact = false;
            reporting.debugTrace(
                formatText("CCharacterProfile::Load(): Unknown token '%s'\n", keyword->c_str()));
        }
    }
    return intact;
}

bool CharacterProfile::readTriggers(LineReader& reader) {
    bool intact = true;
    while (const auto line = nextSectionLine(reader)) {
        const std::string_view text = *line;
        const std::size_t first = text.find(fieldSeparator);
        const std::size_t commandStart = first + fieldSeparator.size();
        const std::size_t second =
            first == text.npos ? text.npos : text.find(fieldSeparator, commandStart);
        if (second == text.npos) {
            intact = intact && isBlank(text);
            continue;
        }
        triggers.push_back(
            {cutToWidth(text.substr(0, first), triggerFieldWidth),
             cutToWidth(text.substr(commandStart, second - commandStart), triggerFieldWidth),
             parseDecimal(text.substr(second + fieldSeparator.size()))});
    }
    return intact;
}

bool CharacterProfile::readMacros(LineReader& reader) {
    bool intact = true;
    while (const auto line = nextSectionLine(reader)) {
        const std::string_view text = *line;
        const std::size_t separator = text.find(fieldSeparator);
        if (separator != text.npos) {
            macros.set(text.substr(0, separator), text.substr(separator + fieldSeparator.size()));
        } else {
            intact = intact && isBlank(text);
        }
    }
    return intact;
}

void CharacterProfile::Save(std::string& text) const {
    text += "Name \"" + name_ + "\"\n";
    text += "Triggers\n";
    for (const auto& trigger : triggers) {
        text += trigger.pattern;
        text += fieldSeparator;
        text += trigger.command;
        text += fieldSeparator;
        text += std::to_string(trigger.enabled) + "\n";
    }
    text += "End\nMacros\n";
    for (const auto& [key, macro] : macros.entries()) {
        text += key;
        text += fieldSeparator;
        text += macro + "\n";
    }
    text += "End\nEnd\n";
}

} // namespace vesk
