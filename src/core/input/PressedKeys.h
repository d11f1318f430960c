#pragma once

#include "input/KeyboardState.h"

#include <cstdint>
#include <map>
#include <optional>

namespace vesk {

// The keys held down now, matched on the physical key. A key's meaning can change while it is
// held (Num Lock turns keypad 8 from "Keypad Up + Num Lock" into Up, Shift turns 1 into !), so
// a key-up names the physical key and releases whatever that key's key-down pressed; nothing is
// left "down" that no key holds any more. When the keyboard is taken away (the window or the
// input line loses the focus) every key is forgotten: their key-ups will go elsewhere.
class PressedKeys : public KeyboardState {
public:
    // A key identity that does not change with Num Lock or Shift: the front end's scan code.
    using PhysicalKey = std::uint64_t;

    bool isDown(int virtualKey) const override;

    void press(PhysicalKey physicalKey, int virtualKey);
    // The key code the physical key was pressed as; nothing when it was not down here.
    std::optional<int> release(PhysicalKey physicalKey);
    // Releases every physical key pressed as this code: for a modifier the platform reports
    // released though its key-up never came here.
    void releaseCode(int virtualKey);
    void releaseAll() { down_.clear(); }

private:
    std::map<PhysicalKey, int> down_;
};

} // namespace vesk
