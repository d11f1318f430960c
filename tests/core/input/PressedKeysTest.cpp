#include "input/PressedKeys.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

constexpr PressedKeys::PhysicalKey keypadEight = 80;
constexpr PressedKeys::PhysicalKey leftShift = 50;
constexpr PressedKeys::PhysicalKey rightShift = 62;

// Num Lock toggled while keypad 8 is held: the key-up arrives as the Up arrow. Matched on the
// key's code it left "Keypad Up + Num Lock" down for good, and every later key press sent that
// macro.
TEST(PressedKeysTest, AKeyUpReleasesWhatItsKeyDownPressed) {
    PressedKeys keys;
    keys.press(keypadEight, VirtualKey::Keypad0 + 8);
    EXPECT_TRUE(keys.isDown(VirtualKey::Keypad0 + 8));
    EXPECT_EQ(keys.release(keypadEight), VirtualKey::Keypad0 + 8);
    EXPECT_FALSE(keys.isDown(VirtualKey::Keypad0 + 8));
    EXPECT_FALSE(keys.isDown(VirtualKey::Up));
    EXPECT_EQ(keys.release(keypadEight), std::nullopt);
}

TEST(PressedKeysTest, BothShiftKeysHoldShiftUntilBothAreUp) {
    PressedKeys keys;
    keys.press(leftShift, VirtualKey::Shift);
    keys.press(rightShift, VirtualKey::Shift);
    keys.release(leftShift);
    EXPECT_TRUE(keys.isDown(VirtualKey::Shift));
    keys.releaseCode(VirtualKey::Shift);
    EXPECT_FALSE(keys.isDown(VirtualKey::Shift));
}

TEST(PressedKeysTest, ReleaseAllForgetsEveryKey) {
    PressedKeys keys;
    keys.press(leftShift, VirtualKey::Shift);
    keys.press(keypadEight, VirtualKey::Keypad0 + 8);
    keys.releaseAll();
    EXPECT_FALSE(keys.isDown(VirtualKey::Shift));
    EXPECT_FALSE(keys.isDown(VirtualKey::Keypad0 + 8));
}

} // namespace
} // namespace vesk
