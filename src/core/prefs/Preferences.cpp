#include "prefs/Preferences.h"

#include "common/FileText.h"
#include "common/Reporting.h"
#include "common/TextFields.h"
#include "common/TextFormat.h"
#include "prefs/PreferencesFile.h"

namespace vesk {
namespace {

void reportUnwritable(Reporting& reporting, std::string_view name) {
    reporting.warningBox(formatText("Unable to open '%s' for writing", std::string(name).c_str()));
}

} // namespace

void Preferences::restoreDefaults() {
    settings.restoreDefaults();
    characters.clear();
    friends.clear();
    font = FontRecord{};
    profiles = CharacterProfileList{};
    currentCharacter = -1;
    activeProfile = 0;
}

void Preferences::LoadPreferences(const std::filesystem::path& folder, Reporting& reporting) {
    restoreDefaults();
    if (const auto text = readFileText(folder / fileName)) {
        PreferencesFile::read(*text, *this, reporting);
    }
    if (const auto bytes = readFileText(folder / FontRecord::fileName)) {
        font = FontRecord::fromFileBytes(*bytes);
    }
    if (!profiles.Load(folder / CharacterProfileList::fileName, reporting)) {
        profiles = CharacterProfileList{};
        profiles[0] = CharacterProfileList::defaultProfile();
    }
}

bool Preferences::SavePreferences(const std::filesystem::path& folder, Reporting& reporting) {
    if (!replaceFileText(folder / fileName, PreferencesFile::write(*this), FileAccess::OwnerOnly)) {
        reportUnwritable(reporting, fileName);
        return false;
    }
    bool allWritten = profiles.Save(folder / CharacterProfileList::fileName, reporting);
    characters.clampProfiles(static_cast<int>(profiles.size()));
    const std::string_view fontBytes(reinterpret_cast<const char*>(font.bytes.data()),
                                     font.bytes.size());
    if (!replaceFileText(folder / FontRecord::fileName, fontBytes)) {
        reportUnwritable(reporting, FontRecord::fileName);
        allWritten = false;
    }
    return allWritten;
}

void Preferences::SelectProfileForCharacter(std::string_view serverName) {
    // Profile names hold 31 characters; comparing the name cut the same way keeps a long
    // name from getting a fresh profile at every login.
    const std::string name = cutToWidth(serverName, nameWidth);
    const int slot = characters.findByName(name);
    if (slot >= 0) {
        currentCharacter = slot;
        CharacterRecord& record = characters[slot];
        if (record.profile == -1) {
            const int existing = profiles.findByName(name);
            record.profile = existing >= 0 ? existing : profiles.appendWithDefaultMacros(name);
        }
        activeProfile = record.profile;
        return;
    }
    currentCharacter = -1;
    activeProfile = 0;
    if (settings.isOn(setting::createNewProfiles) && namedProfilesCreated < namedProfileLimit &&
        profiles.findByName(name) < 0) {
        profiles.appendWithDefaultMacros(name);
        ++namedProfilesCreated;
    }
    const int named = profiles.findByName(name);
    if (named >= 0) {
        activeProfile = named;
    }
}

bool Preferences::DeleteProfile(int index) {
    if (!profiles.removeAt(index)) {
        return false;
    }
    characters.profileRemoved(index);
    if (activeProfile >= static_cast<int>(profiles.size())) {
        activeProfile = 0;
    }
    return true;
}

} // namespace vesk
