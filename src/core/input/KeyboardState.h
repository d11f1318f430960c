#pragma once

namespace vesk {

// Key codes as the input line's key handlers and the macro keys know them. They are the codes
// stored profiles and the key table have always been written against; the front end maps its
// own key events onto them (a keypad digit with Num Lock on is its keypad code, with Num Lock
// off the keypad arrows arrive as the ordinary arrow keys).
namespace VirtualKey {
enum : int {
    LineFeed = 10,
    Enter = 13,
    Shift = 16,
    Control = 17,
    Escape = 27,
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Insert = 45,
    LetterA = 65,
    LetterZ = 90,
    Keypad0 = 96,
    Keypad9 = 105,
    KeypadMultiply = 106,
    KeypadAdd = 107,
    KeypadSubtract = 109,
    KeypadDecimal = 110,
    KeypadDivide = 111,
    F1 = 112,
    F12 = 123,
};
} // namespace VirtualKey

// The keyboard as it is at the moment a key event is handled: which keys are down now. The
// front end answers from its own key tracking; the macro keys read nothing else.
class KeyboardState {
public:
    virtual ~KeyboardState() = default;
    virtual bool isDown(int virtualKey) const = 0;
};

} // namespace vesk
