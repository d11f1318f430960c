#pragma once

#include "login/StoredCharacters.h"
#include "profiles/CharacterProfileList.h"
#include "settings/FontRecord.h"
#include "settings/Settings.h"
#include "social/FriendsLists.h"

#include "common/ReadableFile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class Reporting;

// Everything the player configures, in one object that lives for the whole run: the
// settings, the stored characters, the friends lists, the main font and the profiles, plus
// which character and profile are in use now. Loaded once at start-up from the working
// folder and saved whenever a dialog or window toggle changes something, and at exit.
class Preferences {
public:
    static constexpr std::string_view fileName = "Preferences.DAT";

    // Every value at its default, one "Default" profile, no characters, no friends lists.
    void restoreDefaults();

    // Defaults first, then "Preferences.DAT", "Prefs2.dat" and "Profiles.DAT" from the
    // folder, each read line by line (the font record only for its 60 bytes). A file that is
    // missing or does not open is skipped; without "Profiles.DAT" the default profile gets
    // the keypad direction macros. Anything that is not a regular file is not read, with a
    // warning. A file that could not be read as it stands is remembered for the next save.
    void LoadPreferences(const std::filesystem::path& folder, Reporting& reporting);
    // Writes "Preferences.DAT" (readable by its owner only: it holds passwords), then
    // "Profiles.DAT", clamps the characters' profile indices, then writes "Prefs2.dat".
    // When "Preferences.DAT" cannot be written nothing else is. False when any file failed;
    // each failure has been reported and the old file is intact. A file that was not read as
    // it stands is first copied beside itself (the player is told once, with the copy's
    // name); when no copy can be made it is not written over.
    bool SavePreferences(const std::filesystem::path& folder, Reporting& reporting);

    // The profile in use: index 0 stands in for an index out of range.
    CharacterProfile& currentProfile() { return profiles.atOrDefault(activeProfile); }
    const CharacterProfile& currentProfile() const { return profiles.atOrDefault(activeProfile); }
    MacroTable& currentMacros() { return currentProfile().macros; }
    const TriggerList& currentTriggers() const { return currentProfile().triggers; }
    void setActiveProfile(int index) { activeProfile = index; }

    // A player meets a handful of characters in one run; a server that names hundreds is
    // hostile. Past this many profiles made for new names in one run, a new name still becomes
    // the character but gets no profile (and so no line in "Profiles.DAT").
    static constexpr int namedProfileLimit = 32;

    // The server has named the logged-in character: pick (or make) its profile.
    void SelectProfileForCharacter(std::string_view name);
    // Deletes a profile other than the default one and re-points the characters that used
    // it; false when the index cannot be deleted.
    bool deleteProfile(int index);

    Settings settings;
    StoredCharacters characters;
    FriendsLists friends;
    FontRecord font;
    CharacterProfileList profiles;
    // Index into profiles; never saved.
    int activeProfile = 0;
    // Profiles made for names the server sent during this run.
    int namedProfilesCreated = 0;

private:
    void noteFileRead(std::string_view name, FileRead state, Reporting& reporting);
    bool keepIfNotReadAsItStands(const std::filesystem::path& folder, std::string_view name,
                                 Reporting& reporting);
    void readPreferencesFile(const std::filesystem::path& folder, Reporting& reporting);
    void readFontFile(const std::filesystem::path& folder, Reporting& reporting);

    // Files of the folder that were there but not read as they stand.
    std::vector<std::string> notReadAsTheyStand_;
    // Files that hold settings only a newer client knows, which a save would drop.
    std::vector<std::string> newerSettingsIn_;
};

} // namespace vesk
