#pragma once

#include "input/KeyboardState.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vesk {

// One key that can carry a macro: its code, the name profiles store its macro under, and
// whether it counts only while Ctrl is held (the letters).
struct MacroKey {
    int virtualKey = 0;
    std::string_view name;
    bool needsControl = false;
    auto operator<=>(const MacroKey&) const = default;
};

// Turns the keyboard state of a key press into the name of the macro key pressed. It sits in
// the input line, which asks it on every key-down and character; the name then picks the macro
// text out of the active profile.
//
// The recogniser remembers the last key it accepted and prefers any other key that is down, so
// when several macro keys are held the newly pressed one wins; a second pass forgets the last
// key, so the same key pressed again or auto-repeating is recognised every time.
class MacroKeys {
public:
    // The 57 keys in the order they are tested: F1-F12, the keypad digits, the keypad
    // operators and decimal point, the arrows, then Ctrl + A to Ctrl + Z.
    static std::span<const MacroKey> keys();
    // The key of a name ("F1", "Ctrl + A"), for a driver that presses keys by name.
    static std::optional<MacroKey> keyNamed(std::string_view name);

    // The macro key down now, or nothing when no macro key is down.
    std::optional<std::string> GetMacroKeyName(const KeyboardState& keyboard);

    // -1 when no key has been accepted, or the second pass has just forgotten it.
    int lastAcceptedKey() const { return lastAcceptedKey_; }

private:
    std::optional<std::string_view> firstAcceptedKey(const KeyboardState& keyboard);
    bool accept(int virtualKey, const KeyboardState& keyboard);

    int lastAcceptedKey_ = -1;
};

} // namespace vesk
