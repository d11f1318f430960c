#pragma once

#include "input/PressedKeys.h"

#include <QKeyEvent>

namespace vesk {

// Qt's key events as the input line's rules know keys: the key codes profiles and the macro
// keys are written against. A keypad digit with Num Lock on is its keypad code; with Num Lock
// off the keypad's arrows arrive as the ordinary arrow keys. 0 for a key the rules never name.
int virtualKeyOf(const QKeyEvent& event);

// The key itself, as a key-down and its key-up both name it whatever Num Lock or Shift made of
// it meanwhile: the scan code where the platform gives one, else its native key code, else
// (a synthesised event) Qt's key code.
PressedKeys::PhysicalKey physicalKeyOf(const QKeyEvent& event);

// The character code a key press produces, control characters included (3 for Ctrl+C, 13 for
// Enter); 0 when it produces none.
int characterCodeOf(const QKeyEvent& event);

} // namespace vesk
