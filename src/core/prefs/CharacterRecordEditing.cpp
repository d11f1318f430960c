#include "prefs/CharacterRecordEditing.h"

#include "common/TextFields.h"
#include "prefs/Preferences.h"

namespace vesk {

int CharacterRecordEditing::preselectedSlot(const Preferences& preferences) {
    const StoredCharacters& characters = preferences.characters;
    int chosen = preferences.settings.number(setting::lastCharLoggedIn);
    for (int slot = 0; slot < StoredCharacters::slotCount; ++slot) {
        // Flags count as set only when they read 1, as everywhere in the settings.
        if (characters.isUsed(slot) && characters[slot].isDefault == 1) {
            chosen = slot;
        }
    }
    if (chosen < 0 || chosen >= StoredCharacters::slotCount || !characters.isUsed(chosen)) {
        return -1;
    }
    return chosen;
}

bool CharacterRecordEditing::setName(CharacterRecord& record, std::string_view text) {
    if (text.empty()) {
        return false;
    }
    record.name = cutToWidth(text, fieldWidth);
    return true;
}

void CharacterRecordEditing::setPassword(CharacterRecord& record, std::string_view text) {
    record.password = cutToWidth(text, fieldWidth);
}

bool CharacterRecordEditing::removeCharacter(Preferences& preferences, int slot) {
    if (!preferences.characters.isUsed(slot) || !preferences.characters.remove(slot)) {
        return false;
    }
    const int lastUsed = preferences.settings.number(setting::lastCharLoggedIn);
    if (lastUsed == slot) {
        preferences.settings.setNumber(setting::lastCharLoggedIn, -1);
    } else if (lastUsed > slot) {
        preferences.settings.setNumber(setting::lastCharLoggedIn, lastUsed - 1);
    }
    return true;
}

} // namespace vesk
