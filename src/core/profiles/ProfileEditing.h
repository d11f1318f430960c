#pragma once

#include "login/StoredCharacters.h"
#include "profiles/CharacterProfileList.h"
#include "profiles/TriggerRecord.h"

#include <string>
#include <string_view>

namespace vesk {

// What the Profiles dialog edits: a deep copy of the profile list and of the stored
// characters' profile indices, changed freely while the dialog is open and handed back as a
// whole on OK (Cancel simply drops the object). The rules of the dialog's buttons live here so
// they hold whatever front end draws them.
class ProfileEditing {
public:
    static constexpr std::string_view copyPrefix = "(Copy) ";
    static constexpr std::string_view newProfileName = "New Profile";
    static constexpr std::string_view newTriggerPattern = "New Trigger";

    ProfileEditing(const CharacterProfileList& profiles, const StoredCharacters& characters,
                   int activeProfile);

    CharacterProfileList& profiles() { return profiles_; }
    const CharacterProfileList& profiles() const { return profiles_; }
    int size() const { return static_cast<int>(profiles_.size()); }
    bool contains(int index) const { return index >= 0 && index < size(); }
    // The profile the characters' record of a slot points at in the edited copy.
    int characterProfile(int slot) const { return characters_[slot].profile; }

    // The default profile keeps its name; other names are made storable first. False when
    // the index cannot be renamed.
    bool rename(int index, std::string_view name);
    // Appends a deep copy named after the original; returns its index, or -1.
    int insertCopy(int index);
    // Appends an empty profile (standard keys, no macros filled in) and returns its index.
    int appendNewProfile();
    // Removes a profile other than the default one and re-points the characters that used
    // it; false when the index cannot be deleted.
    bool remove(int index);

    // The edited copy replaces the live profiles, the characters' indices and the profile in
    // use (the default one when the profile in use is gone).
    void commit(CharacterProfileList& profiles, StoredCharacters& characters,
                int& activeProfile) const;

    // The name "Insert Copy" gives: "(Copy) " before the original's name unless it already
    // begins so, cut to the 31 characters a name holds.
    static std::string copyName(std::string_view original);

    // "Profiles.DAT" writes a name between double quotes and a trigger's fields between
    // "@#$#@" separators, one record per line. Characters that would break that record
    // cannot come back from the file, so the editors strip them as they are typed (a
    // refusal with a message box at every keystroke would be harsher than the loss of a
    // character the file could never hold): from names the double quote, tab and line breaks;
    // from trigger fields the separator and line breaks; from macro texts line breaks only
    // (a macro line is split at its first separator, so the text may hold more).
    static std::string storableName(std::string_view text);
    static std::string storableTriggerField(std::string_view text);
    static std::string storableMacroText(std::string_view text);

    // The trigger "Add a new trigger" appends.
    static TriggerRecord newTrigger() { return {std::string(newTriggerPattern), {}, 1}; }
    // A double-click flips a trigger between on and off, writing 0 or 1.
    static void toggle(TriggerRecord& trigger) { trigger.enabled = trigger.enabled != 0 ? 0 : 1; }

private:
    CharacterProfileList profiles_;
    StoredCharacters characters_;
    int activeProfile_ = 0;
};

} // namespace vesk
