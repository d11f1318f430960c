#include "login/CharacterRecordEditing.h"

#include "common/TextFields.h"
#include "login/StoredCharacters.h"
#include "settings/Settings.h"

namespace vesk {

int CharacterRecordEditing::preselectedSlot(const StoredCharacters& characters,
                                            const Settings& settings) {
    int chosen = settings.number(setting::lastCharLoggedIn);
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

bool CharacterRecordEditing::removeCharacter(StoredCharacters& characters, Settings& settings,
                                             int slot) {
    if (!characters.isUsed(slot) || !characters.remove(slot)) {
        return false;
    }
    const int lastUsed = settings.number(setting::lastCharLoggedIn);
    if (lastUsed == slot) {
        settings.setNumber(setting::lastCharLoggedIn, -1);
    } else if (lastUsed > slot) {
        settings.setNumber(setting::lastCharLoggedIn, lastUsed - 1);
    }
    return true;
}

} // namespace vesk
