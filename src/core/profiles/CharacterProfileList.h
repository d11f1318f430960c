#pragma once

#include "common/ReadableFile.h"
#include "profiles/CharacterProfile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class LineReader;
class Reporting;

// Every profile the player keeps, in file order. The list is never empty: index 0 is the
// default profile, which cannot be renamed or deleted and stands in whenever an index is out
// of range. It lives in the preferences and is stored in "Profiles.DAT".
class CharacterProfileList {
public:
    static constexpr std::string_view fileName = "Profiles.DAT";

    // The start-up list: one profile "Default" with the standard keys and no triggers.
    CharacterProfileList();

    // The built-in "Default" profile with the four keypad direction macros.
    static CharacterProfile defaultProfile();

    // Reads the file line by line. When it does not open (Missing, Refused, Unopenable) the
    // list is left as it was. Otherwise the
    // list is replaced: Intact when every line was understood, NotAsItStands when the file
    // held something the list cannot hold (no profile at all, an unknown line, text after a
    // closing "End"), so that a save would lose it.
    FileRead Load(const std::filesystem::path& path, Reporting& reporting);
    // Replaces the list with the profiles read from a file's text. A text that holds no
    // profile restores the built-in "Default" profile, so index 0 always exists. True when
    // every line was understood.
    bool loadFromText(std::string_view text, std::string_view fileLabel, Reporting& reporting);
    // False when the file could not be replaced; the caller tells the player.
    bool Save(const std::filesystem::path& path) const;
    std::string savedText() const;

    std::size_t size() const { return profiles_.size(); }
    CharacterProfile& operator[](std::size_t index) { return profiles_[index]; }
    const CharacterProfile& operator[](std::size_t index) const { return profiles_[index]; }
    const std::vector<CharacterProfile>& profiles() const { return profiles_; }

    // Appends an empty profile (standard keys, no triggers) and returns its index.
    int appendNew(std::string_view name = {});
    // Appends a profile for a character seen for the first time, with the default macros.
    int appendWithDefaultMacros(std::string_view name);
    // Removes a profile; the default profile and indices out of range are refused.
    bool removeAt(int index);
    // Case-insensitive, first match; -1 when none.
    int findByName(std::string_view name) const;
    // Index 0 when the given index is out of range, as every user of the active profile
    // expects.
    const CharacterProfile& atOrDefault(int index) const;
    CharacterProfile& atOrDefault(int index);

    bool operator==(const CharacterProfileList&) const = default;

private:
    bool loadFrom(LineReader& reader, std::string_view fileLabel, Reporting& reporting);

    std::vector<CharacterProfile> profiles_;
};

} // namespace vesk
