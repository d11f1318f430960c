#include "login/StoredCharacters.h"

#include "common/KeywordTokenizer.h"
#include "common/LineReader.h"
#include "common/Reporting.h"
#include "common/TextFields.h"
#include "common/TextFormat.h"

#include <algorithm>

namespace vesk {
namespace {

constexpr std::size_t lineLimit = 254;

} // namespace

bool StoredCharacters::isUsed(int slot) const {
    return slot >= 0 && slot < slotCount && !slots_[index(slot)].name.empty();
}

int StoredCharacters::usedCount() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(),
                                          [](const auto& record) { return !record.name.empty(); }));
}

int StoredCharacters::findByName(std::string_view name) const {
    for (int slot = 0; slot < slotCount; ++slot) {
        if (isUsed(slot) && sameName(slots_[index(slot)].name, name)) {
            return slot;
        }
    }
    return -1;
}

int StoredCharacters::firstFree() const {
    for (int slot = 0; slot < slotCount; ++slot) {
        if (!isUsed(slot)) {
            return slot;
        }
    }
    return -1;
}

int StoredCharacters::addNew() {
    const int slot = firstFree();
    if (slot >= 0) {
        slots_[index(slot)] = CharacterRecord{"New", "", -1, 0};
    }
    return slot;
}

int StoredCharacters::copy(int slot) {
    const int target = isUsed(slot) ? firstFree() : -1;
    if (target >= 0) {
        slots_[index(target)] = slots_[index(slot)];
    }
    return target;
}

bool StoredCharacters::remove(int slot) {
    if (slot < 0 || slot >= slotCount) {
        return false;
    }
    std::move(slots_.begin() + slot + 1, slots_.end(), slots_.begin() + slot);
    slots_.back() = CharacterRecord{};
    return true;
}

void StoredCharacters::profileRemoved(int removed) {
    for (auto& record : slots_) {
        if (record.profile == removed) {
            record.profile = 0;
        } else if (record.profile > removed) {
            --record.profile;
        }
    }
}

void StoredCharacters::clampProfiles(int profileCount) {
    // Free slots keep -1, so a slot left free reads back the same after a save. A character
    // stored in the login dialog has no profile until the server names it, when it gets its
    // own; a save in between (the dialog saves as it closes) must not hand it the default
    // profile's macros and triggers instead.
    for (auto& record : slots_) {
        if (record.name.empty()) {
            continue;
        }
        record.profile = record.profile < 0
                             ? CharacterRecord::unassignedProfile
                             : std::min(record.profile, std::max(profileCount - 1, 0));
    }
}

void StoredCharacters::readSection(LineReader& reader, Reporting& reporting,
                                   SkippedLines& skipped) {
    KeywordTokenizer tokenizer;
    int filled = 0;
    while (auto line = reader.readLine(lineLimit)) {
        const auto token = tokenizer.FirstToken(*line);
        if (!token) {
            continue;
        }
        if (*token == "End") {
            return;
        }
        if (!equalsIgnoringCase(*token, "Character")) {
            reporting.debugTrace(
                formatText("LoadCharacters() Unknown string '%s'\n", token->c_str()));
            skipped.skip(*token);
            continue;
        }
        CharacterRecord record;
        readBlock(reader, reporting, record, skipped);
        // Blocks past the 64th are read and dropped. A block without a name would leave a
        // hole among the used slots, which the login dialog and the profile rules do not
        // expect, so it takes no slot.
        if (filled < slotCount && !record.name.empty()) {
            slots_[index(filled++)] = std::move(record);
        }
    }
}

void StoredCharacters::readBlock(LineReader& reader, Reporting& reporting, CharacterRecord& record,
                                 SkippedLines& skipped) {
    KeywordTokenizer tokenizer;
    while (auto line = reader.readLine(lineLimit)) {
        const auto token = tokenizer.FirstToken(*line);
        if (!token) {
            continue;
        }
        if (equalsIgnoringCase(*token, "End")) {
            return;
        }
        if (equalsIgnoringCase(*token, "Name")) {
            record.name = cutToWidth(tokenizer.NextToken().value_or(""), nameWidth);
        } else if (equalsIgnoringCase(*token, "Password")) {
            record.password = cutToWidth(tokenizer.QuotedValue(), nameWidth);
        } else if (equalsIgnoringCase(*token, "Profile")) {
            record.profile = tokenizer.NextInt().value_or(record.profile);
        } else if (equalsIgnoringCase(*token, "Default")) {
            record.isDefault = tokenizer.NextInt().value_or(record.isDefault);
        } else {
            reporting.debugTrace(
                formatText("LoadCharacter() Unknown string '%s'\n", token->c_str()));
            skipped.skip(*token);
        }
    }
}

void StoredCharacters::writeSection(std::string& text) const {
    text += "Characters\n";
    for (const auto& record : slots_) {
        if (record.name.empty()) {
            continue;
        }
        text += "Character\n";
        text += "Name " + record.name + "\n";
        text += "Password \"" + record.password + "\"\n";
        text += formatText("Profile %d\n", record.profile);
        text += formatText("Default %d\n", record.isDefault);
        text += "End\n";
    }
    text += "End\n";
}

} // namespace vesk
