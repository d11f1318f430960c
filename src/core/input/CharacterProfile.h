#pragma once

#include "input/MacroTable.h"
#include "input/TriggerRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class LineReader;
class Reporting;

// A named set of macros and triggers; the active one drives the macro keys and the trigger
// matcher. Profiles are plain values: copying one is the deep copy the Profiles dialog edits.
class CharacterProfile {
public:
    static constexpr std::string_view fieldSeparator = "@#$#@";

    CharacterProfile() : macros(MacroTable::withStandardKeys()) {}

    const std::string& name() const { return name_; }
    // Names are cut to 31 characters.
    void setName(std::string_view name);

    // Reads one profile block up to its closing "End" (or the end of the file).
    void Load(LineReader& reader, Reporting& reporting);
    // Appends the profile block, "NewProfile" line excluded, to the text.
    void Save(std::string& text) const;

    std::vector<TriggerRecord> triggers;
    MacroTable macros;

    bool operator==(const CharacterProfile&) const = default;

private:
    void readTriggers(LineReader& reader);
    void readMacros(LineReader& reader);

    std::string name_;
};

} // namespace vesk
