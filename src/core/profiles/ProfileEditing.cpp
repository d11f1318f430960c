#include "profiles/ProfileEditing.h"

#include "common/TextFields.h"

#include <algorithm>

namespace vesk {
namespace {

std::string withoutCharacters(std::string_view text, std::string_view unwanted) {
    std::string kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [unwanted](char character) { return unwanted.find(character) == unwanted.npos; });
    return kept;
}

std::string withoutSeparators(std::string text) {
    const std::string_view separator = CharacterProfile::fieldSeparator;
    for (auto found = text.find(separator); found != text.npos; found = text.find(separator)) {
        text.erase(found, separator.size());
    }
    return text;
}

} // namespace

ProfileEditing::ProfileEditing(const CharacterProfileList& profiles,
                               const StoredCharacters& characters, int activeProfile)
    : profiles_(profiles), activeProfile_(activeProfile) {
    // Free slots carry -1: only the characters the player keeps point at profiles.
    for (int slot = 0; slot < StoredCharacters::slotCount; ++slot) {
        if (characters.isUsed(slot)) {
            characters_[slot].profile = characters[slot].profile;
        }
    }
}

bool ProfileEditing::rename(int index, std::string_view name) {
    if (index <= 0 || index >= size()) {
        return false;
    }
    profiles_[static_cast<std::size_t>(index)].setName(storableName(name));
    return true;
}

int ProfileEditing::insertCopy(int index) {
    if (!contains(index)) {
        return -1;
    }
    CharacterProfile copy = profiles_[static_cast<std::size_t>(index)];
    copy.setName(copyName(copy.name()));
    const int added = profiles_.appendNew();
    profiles_[static_cast<std::size_t>(added)] = std::move(copy);
    return added;
}

int ProfileEditing::appendNewProfile() {
    return profiles_.appendNew(newProfileName);
}

bool ProfileEditing::remove(int index) {
    if (!profiles_.removeAt(index)) {
        return false;
    }
    characters_.profileRemoved(index);
    // The profile in use this session follows the same rule as the characters, so deleting
    // an unrelated profile never swaps the triggers and macros in use for another set.
    if (activeProfile_ == index) {
        activeProfile_ = 0;
    } else if (activeProfile_ > index) {
        --activeProfile_;
    }
    return true;
}

void ProfileEditing::commit(CharacterProfileList& profiles, StoredCharacters& characters,
                            int& activeProfile) const {
    profiles = profiles_;
    for (int slot = 0; slot < StoredCharacters::slotCount; ++slot) {
        if (characters.isUsed(slot)) {
            characters[slot].profile = characters_[slot].profile;
        }
    }
    activeProfile = contains(activeProfile_) ? activeProfile_ : 0;
}

std::string ProfileEditing::copyName(std::string_view original) {
    if (original.starts_with(copyPrefix)) {
        return cutToWidth(original, nameWidth);
    }
    return cutToWidth(std::string(copyPrefix) + std::string(original), nameWidth);
}

std::string ProfileEditing::storableName(std::string_view text) {
    return cutToWidth(withoutSeparators(withoutCharacters(text, "\"\t\r\n")), nameWidth);
}

std::string ProfileEditing::storableTriggerField(std::string_view text) {
    return cutToWidth(withoutSeparators(withoutCharacters(text, "\r\n")), triggerFieldWidth);
}

std::string ProfileEditing::storableMacroText(std::string_view text) {
    return withoutCharacters(text, "\r\n");
}

} // namespace vesk
