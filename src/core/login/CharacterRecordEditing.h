#pragma once

#include <cstddef>
#include <string_view>

namespace vesk {

class Settings;
class StoredCharacters;
struct CharacterRecord;

// The rules of the automatic-login dialog that do not depend on a widget: which character
// it preselects and how typed names and passwords are stored into a record.
class CharacterRecordEditing {
public:
    // The login dialog's fields keep at most this many characters of what is typed.
    static constexpr std::size_t fieldWidth = 30;

    // The slot the dialog selects when it opens: the last record marked "Default Selected
    // Character", else the slot last connected with; -1 when that is no stored character.
    static int preselectedSlot(const StoredCharacters& characters, const Settings& settings);

    // An empty name would turn the record into a free slot in the middle of the used ones
    // (and lose it, password and all, at the next save), so while the field is empty the
    // record keeps its last name. False when nothing was stored.
    static bool setName(CharacterRecord& record, std::string_view text);
    static void setPassword(CharacterRecord& record, std::string_view text);

    // "Delete Character": the later records move down one slot. The slot last connected
    // with follows its record (or is forgotten with it), so the dialog does not preselect
    // a different character next time. False for a free or invalid slot.
    static bool removeCharacter(StoredCharacters& characters, Settings& settings, int slot);
};

} // namespace vesk
