#include "input/MacroKeys.h"

#include <algorithm>
#include <array>

namespace vesk {
namespace {

constexpr std::size_t keyCount = 57;

// The letters' names are built once: "Ctrl + %c" with the upper-case letter.
constexpr std::array<std::array<char, 9>, 26> letterNames = [] {
    std::array<std::array<char, 9>, 26> names{};
    for (std::size_t letter = 0; letter < 26; ++letter) {
        names[letter] = {'C', 't', 'r', 'l', ' ', '+', ' ', static_cast<char>('A' + letter), '\0'};
    }
    return names;
}();

constexpr std::array<MacroKey, 31> fixedKeys = {{
    {VirtualKey::F1 + 0, "F1"},
    {VirtualKey::F1 + 1, "F2"},
    {VirtualKey::F1 + 2, "F3"},
    {VirtualKey::F1 + 3, "F4"},
    {VirtualKey::F1 + 4, "F5"},
    {VirtualKey::F1 + 5, "F6"},
    {VirtualKey::F1 + 6, "F7"},
    {VirtualKey::F1 + 7, "F8"},
    {VirtualKey::F1 + 8, "F9"},
    {VirtualKey::F1 + 9, "F10"},
    {VirtualKey::F1 + 10, "F11"},
    {VirtualKey::F1 + 11, "F12"},
    {VirtualKey::Keypad0 + 0, "Keypad Ins + Num Lock"},
    {VirtualKey::Keypad0 + 1, "Keypad End + Num Lock"},
    {VirtualKey::Keypad0 + 2, "Keypad Down + Num Lock"},
    {VirtualKey::Keypad0 + 3, "Keypad Pg Dn + Num Lock"},
    {VirtualKey::Keypad0 + 4, "Keypad Left + Num Lock"},
    {VirtualKey::Keypad0 + 5, "Keypad 5 + Num Lock"},
    {VirtualKey::Keypad0 + 6, "Keypad Right + Num Lock"},
    {VirtualKey::Keypad0 + 7, "Keypad Home + Num Lock"},
    {VirtualKey::Keypad0 + 8, "Keypad Up + Num Lock"},
    {VirtualKey::Keypad0 + 9, "Keypad Pg Up + Num Lock"},
    {VirtualKey::KeypadDivide, "Keypad / Num Lock"},
    {VirtualKey::KeypadMultiply, "Keypad * Num Lock"},
    {VirtualKey::KeypadSubtract, "Keypad - Num Lock"},
    {VirtualKey::KeypadAdd, "Keypad + Num Lock"},
    {VirtualKey::KeypadDecimal, "Keypad . Num Lock"},
    {VirtualKey::Up, "Up"},
    {VirtualKey::Down, "Down"},
    {VirtualKey::Left, "Left"},
    {VirtualKey::Right, "Right"},
}};

constexpr std::array<MacroKey, keyCount> allKeys = [] {
    std::array<MacroKey, keyCount> keys{};
    std::copy(fixedKeys.begin(), fixedKeys.end(), keys.begin());
    for (std::size_t letter = 0; letter < 26; ++letter) {
        keys[fixedKeys.size() + letter] = {VirtualKey::LetterA + static_cast<int>(letter),
                                           std::string_view(letterNames[letter].data(), 8), true};
    }
    return keys;
}();

} // namespace

std::span<const MacroKey> MacroKeys::keys() {
    return allKeys;
}

std::optional<MacroKey> MacroKeys::keyNamed(std::string_view name) {
    const auto found = std::find_if(allKeys.begin(), allKeys.end(),
                                    [name](const MacroKey& key) { return key.name == name; });
    if (found == allKeys.end()) {
        return std::nullopt;
    }
    return *found;
}

bool MacroKeys::accept(int virtualKey, const KeyboardState& keyboard) {
    if (!keyboard.isDown(virtualKey) || virtualKey == lastAcceptedKey_) {
        return false;
    }
    lastAcceptedKey_ = virtualKey;
    return true;
}

std::optional<std::string_view> MacroKeys::firstAcceptedKey(const KeyboardState& keyboard) {
    const bool controlDown = keyboard.isDown(VirtualKey::Control);
    for (const MacroKey& key : allKeys) {
        if ((!key.needsControl || controlDown) && accept(key.virtualKey, keyboard)) {
            return key.name;
        }
    }
    return std::nullopt;
}

std::optional<std::string> MacroKeys::GetMacroKeyName(const KeyboardState& keyboard) {
    if (auto name = firstAcceptedKey(keyboard)) {
        return std::string(*name);
    }
    if (lastAcceptedKey_ == -1) {
        return std::nullopt;
    }
    lastAcceptedKey_ = -1;
    if (auto name = firstAcceptedKey(keyboard)) {
        return std::string(*name);
    }
    return std::nullopt;
}

} // namespace vesk
