#include "input/CharacterProfile.h"

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
    auto line = reader.readLine(LineReader::unlimited);
    if (!line) {
        return std::nullopt;
    }
    std::string whole = withoutCarriageReturns(std::move(*line));
    if (equalsIgnoringCase(whole, "End")) {
        return std::nullopt;
    }
    return whole;
}

} // namespace

void CharacterProfile::setName(std::string_view name) {
    name_ = cutToWidth(name, nameWidth);
}

void CharacterProfile::Load(LineReader& reader, Reporting& reporting) {
    KeywordTokenizer tokenizer;
    while (auto line = reader.readLine(keywordLineLimit)) {
        const auto keyword = tokenizer.FirstToken(*line);
        if (!keyword) {
            continue;
        }
        if (equalsIgnoringCase(*keyword, "End")) {
            return;
        }
        if (equalsIgnoringCase(*keyword, "Name")) {
            setName(tokenizer.QuotedValue());
        } else if (equalsIgnoringCase(*keyword, "Triggers")) {
            readTriggers(reader);
        } else if (equalsIgnoringCase(*keyword, "Macros")) {
            readMacros(reader);
        } else {
            reporting.debugTrace(
                formatText("CCharacterProfile::Load(): Unknown token '%s'\n", keyword->c_str()));
        }
    }
}

void CharacterProfile::readTriggers(LineReader& reader) {
    while (const auto line = nextSectionLine(reader)) {
        const std::string_view text = *line;
        const std::size_t first = text.find(fieldSeparator);
        if (first == text.npos) {
            continue;
        }
        const std::size_t commandStart = first + fieldSeparator.size();
        const std::size_t second = text.find(fieldSeparator, commandStart);
        if (second == text.npos) {
            continue;
        }
        triggers.push_back(
            {cutToWidth(text.substr(0, first), triggerFieldWidth),
             cutToWidth(text.substr(commandStart, second - commandStart), triggerFieldWidth),
             parseDecimal(text.substr(second + fieldSeparator.size()))});
    }
}

void CharacterProfile::readMacros(LineReader& reader) {
    while (const auto line = nextSectionLine(reader)) {
        const std::string_view text = *line;
        const std::size_t separator = text.find(fieldSeparator);
        if (separator != text.npos) {
            macros.set(text.substr(0, separator), text.substr(separator + fieldSeparator.size()));
        }
    }
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
