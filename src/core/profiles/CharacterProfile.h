#pragma once

#include "profiles/MacroTable.h"
#include "profiles/TriggerList.h"

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
    // Names are cleaned (cleanName) and cut to 31 characters.
    void setName(std::string_view name);
    // A name as a profile can hold it and "Profiles.DAT" give it back unchanged: every control
    // character (a tab from the server, say) and every double quote becomes a space, and it is
    // cut to 31 characters. A name of blanks only is empty, as the file reads it back.
    static std::string cleanName(std::string_view name);

    // Reads one profile block up to its closing "End" (or the end of the file). False when a
    // line was skipped because it was not understood: a save would not write it back.
    bool Load(LineReader& reader, Reporting& reporting);
    // Appends the profile block, "NewProfile" line excluded, to the text.
    void Save(std::string& text) const;

    TriggerList triggers;
    MacroTable macros;

    bool operator==(const CharacterProfile&) const = default;

private:
    bool readTriggers(LineReader& reader);
    bool readMacros(LineReader& reader);

    std::string name_;
};

} // namespace vesk
