#include "preferences/Preferences.h"

#include "common/FileText.h"
#include "common/LineReader.h"
#include "common/Reporting.h"
#include "common/TextFields.h"
#include "common/TextFormat.h"
#include "preferences/PreferencesFile.h"

#include <algorithm>

namespace vesk {
namespace {

// One file keeps the message it has always had; several are named in one box.
void reportUnsaved(Reporting& reporting, const std::vector<std::string_view>& names) {
    if (names.size() == 1 && names.front() == CharacterProfileList::fileName) {
        reporting.warningBox(formatText("Error writing to '%s'", names.front().data()));
        return;
    }
    std::string list;
    for (std::size_t index = 0; index < names.size(); ++index) {
        list += index == 0 ? "" : (index + 1 == names.size() ? " and " : ", ");
        list += "'" + std::string(names[index]) + "'";
    }
    reporting.warningBox("Unable to open " + list + " for writing");
}

bool isThere(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

} // namespace

void Preferences::noteFileRead(std::string_view name, FileRead state, Reporting& reporting) {
    if (state == FileRead::Refused) {
        reporting.warningBox(formatText("'%s' is not a regular file; it was not read and will "
                                        "not be written over",
                                        std::string(name).c_str()));
    } else if (state == FileRead::NotAsItStands || state == FileRead::Unopenable) {
        notReadAsTheyStand_.emplace_back(name);
    }
}

// A file that was not read as it stands is copied beside itself before it is written over, and
// the player is told. One that holds only settings of a newer client is copied too, but
// quietly (a note in the diagnostic log): both clients may well be in use, and a box at every
// start would only teach the player to ignore it.
bool Preferences::keepIfNotReadAsItStands(const std::filesystem::path& folder,
                                          std::string_view name, Reporting& reporting) {
    const auto noted = std::find(notReadAsTheyStand_.begin(), notReadAsTheyStand_.end(), name);
    const auto newer = std::find(newerSettingsIn_.begin(), newerSettingsIn_.end(), name);
    const bool unreadable = noted != notReadAsTheyStand_.end();
    if (!unreadable && newer == newerSettingsIn_.end()) {
        return true;
    }
    if (isThere(folder / name)) {
        const auto kept = keepCopyBeside(folder / name);
        if (!kept) {
            return false;
        }
        const std::string keptName = kept->filename().string();
        if (unreadable) {
            reporting.warningBox(formatText("'%s' could not be read as it stands; it was kept as "
                                            "'%s' before being written over",
                                            std::string(name).c_str(), keptName.c_str()));
        } else {
            reporting.appendToDiagnosticLog(
                formatText("'%s' holds settings this client does not know; it was kept as '%s' "
                           "before being written over\n",
                           std::string(name).c_str(), keptName.c_str()));
        }
    }
    if (unreadable) {
        notReadAsTheyStand_.erase(noted);
    }
    if (newer != newerSettingsIn_.end()) {
        newerSettingsIn_.erase(newer);
    }
    return true;
}

void Preferences::readPreferencesFile(const std::filesystem::path& folder, Reporting& reporting) {
    ReadableFile file(folder / fileName);
    FileRead state = file.state();
    if (file.isOpen()) {
        LineReader reader(file.descriptor());
        const SkippedLines skipped = PreferencesFile::read(reader, *this, reporting);
        if (skipped.unreadable) {
            state = FileRead::NotAsItStands;
        } else if (skipped.newerSettings) {
            newerSettingsIn_.emplace_back(fileName);
        }
    }
    noteFileRead(fileName, state, reporting);
}

void Preferences::readFontFile(const std::filesystem::path& folder, Reporting& reporting) {
    ReadableFile file(folder / FontRecord::fileName);
    FileRead state = file.state();
    if (file.isOpen()) {
        // One byte more than the record tells a longer file from an exact one.
        const std::string bytes = file.readPrefix(FontRecord::size + 1);
        font = FontRecord::fromFileBytes(bytes);
        if (!bytes.empty() && !FontRecord::isRecord(bytes)) {
            state = FileRead::NotAsItStands;
        }
    }
    noteFileRead(FontRecord::fileName, state, reporting);
}

void Preferences::restoreDefaults() {
    settings.restoreDefaults();
    characters.clear();
    friends.clear();
    font = FontRecord{};
    profiles = CharacterProfileList{};
    activeProfile = 0;
}

void Preferences::LoadPreferences(const std::filesystem::path& folder, Reporting& reporting) {
    restoreDefaults();
    notReadAsTheyStand_.clear();
    newerSettingsIn_.clear();
    readPreferencesFile(folder, reporting);
    readFontFile(folder, reporting);
    const FileRead profilesRead = profiles.Load(folder / CharacterProfileList::fileName, reporting);
    if (profilesRead != FileRead::Intact && profilesRead != FileRead::NotAsItStands) {
        profiles = CharacterProfileList{};
        profiles[0] = CharacterProfileList::defaultProfile();
    }
    // A file that is there but did not open gives the defaults as a missing one does, and is
    // not written over unless a copy of it can be kept.
    noteFileRead(CharacterProfileList::fileName, profilesRead, reporting);
}

// Each file is written on its own, so one that cannot be (a read-only "Preferences.DAT") does
// not cost the player the others: a profile made this session is saved all the same. One box
// names every file left as it was.
bool Preferences::SavePreferences(const std::filesystem::path& folder, Reporting& reporting) {
    std::vector<std::string_view> unsaved;
    if (!keepIfNotReadAsItStands(folder, fileName, reporting) ||
        !replaceFileText(folder / fileName, PreferencesFile::write(*this), FileAccess::OwnerOnly)) {
        unsaved.push_back(fileName);
    }
    if (!keepIfNotReadAsItStands(folder, CharacterProfileList::fileName, reporting) ||
        !profiles.Save(folder / CharacterProfileList::fileName)) {
        unsaved.push_back(CharacterProfileList::fileName);
    }
    characters.clampProfiles(static_cast<int>(profiles.size()));
    const std::string_view fontBytes(reinterpret_cast<const char*>(font.bytes.data()),
                                     font.bytes.size());
    if (!keepIfNotReadAsItStands(folder, FontRecord::fileName, reporting) ||
        !replaceFileText(folder / FontRecord::fileName, fontBytes)) {
        unsaved.push_back(FontRecord::fileName);
    }
    if (!unsaved.empty()) {
        reportUnsaved(reporting, unsaved);
    }
    return unsaved.empty();
}

void Preferences::SelectProfileForCharacter(std::string_view serverName) {
    // Compared as a profile holds it (cleaned and cut to 31 characters), so a long name or
    // one with a tab finds its profile again instead of getting a fresh one at every login.
    const std::string name = CharacterProfile::cleanName(serverName);
    const int slot = characters.findByName(name);
    if (slot >= 0) {
        characters.setCurrent(slot);
        CharacterRecord& record = characters[slot];
        if (record.profile < 0) {
            const int existing = profiles.findByName(name);
            record.profile = existing >= 0 ? existing : profiles.appendWithDefaultMacros(name);
        }
        activeProfile = record.profile;
        return;
    }
    characters.setCurrent(-1);
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

bool Preferences::deleteProfile(int index) {
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
