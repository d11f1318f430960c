#pragma once

#include "common/SkippedLines.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vesk {

class LineReader;
class Reporting;

// One character the player keeps for automatic login. An empty name marks a free slot.
struct CharacterRecord {
    std::string name;
    std::string password;
    static constexpr std::int32_t unassignedProfile = -1;
    // Index into the profile list; -1 until the server first names the character, which then
    // gets a profile of its own.
    std::int32_t profile = unassignedProfile;
    // "Default Selected Character": preselected when the login dialog opens.
    std::int32_t isDefault = 0;
    auto operator<=>(const CharacterRecord&) const = default;
};

// The 64 character slots of the preferences, kept contiguous from slot 0, and their
// "Characters" section of "Preferences.DAT".
class StoredCharacters {
public:
    static constexpr int slotCount = 64;

    const CharacterRecord& operator[](int slot) const { return slots_[index(slot)]; }
    CharacterRecord& operator[](int slot) { return slots_[index(slot)]; }
    bool isUsed(int slot) const;
    int usedCount() const;

    // Case-insensitive, first used slot; -1 when none.
    int findByName(std::string_view name) const;
    // "New Character": the first free slot named "New"; -1 when all 64 are used.
    int addNew();
    // "Copy Character": a copy of a used slot in the first free slot; -1 without room.
    int copy(int slot);
    // "Delete Character": later records move down one slot, the last slot is cleared.
    bool remove(int slot);

    // A deleted profile: indices equal to it fall back to the default profile, later
    // indices move down one.
    void profileRemoved(int removed);
    // After every save each assigned index is held within the existing profiles; a character
    // without a profile yet keeps -1.
    void clampProfiles(int profileCount);

    // Reads the section's lines up to its own "End"; what it passed over is noted.
    void readSection(LineReader& reader, Reporting& reporting, SkippedLines& skipped);
    void writeSection(std::string& text) const;

    // The stored character chosen for this login, or -1; never saved.
    int current() const { return current_; }
    void setCurrent(int slot) { current_ = slot; }

    void clear() {
        slots_ = {};
        current_ = -1;
    }
    bool operator==(const StoredCharacters&) const = default;

private:
    static std::size_t index(int slot) { return static_cast<std::size_t>(slot); }
    int firstFree() const;
    void readBlock(LineReader& reader, Reporting& reporting, CharacterRecord& record,
                   SkippedLines& skipped);

    std::array<CharacterRecord, slotCount> slots_{};
    int current_ = -1;
};

} // namespace vesk
