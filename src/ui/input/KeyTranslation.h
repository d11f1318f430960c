#pragma once

#include <QKeyEvent>

namespace vesk {

// Qt's key events as the input line's rules know keys: the key codes profiles and the macro
// keys are written against. A keypad digit with Num Lock on is its keypad code; with Num Lock
// off the keypad's arrows arrive as the ordinary arrow keys. 0 for a key the rules never name.
int virtualKeyOf(const QKeyEvent& event);

// The character code a key press produces, control characters included (3 for Ctrl+C, 13 for
// Enter); 0 when it produces none.
int characterCodeOf(const QKeyEvent& event);

} // namespace vesk
