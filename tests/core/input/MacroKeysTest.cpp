#include "input/MacroKeys.h"
#include "input/HeldKeys.h"
#include "profiles/MacroTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vesk {
namespace {

std::vector<std::string> expectedNames() {
    std::vector<std::string> names;
    for (int number = 1; number <= 12; ++number) {
        names.push_back("F" + std::to_string(number));
    }
    for (const char* name :
         {"Keypad Ins + Num Lock", "Keypad End + Num Lock", "Keypad Down + Num Lock",
          "Keypad Pg Dn + Num Lock", "Keypad Left + Num Lock", "Keypad 5 + Num Lock",
          "Keypad Right + Num Lock", "Keypad Home + Num Lock", "Keypad Up + Num Lock",
          "Keypad Pg Up + Num Lock", "Keypad / Num Lock", "Keypad * Num Lock", "Keypad - Num Lock",
          "Keypad + Num Lock", "Keypad . Num Lock", "Up", "Down", "Left", "Right"}) {
        names.emplace_back(name);
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        names.push_back(std::string("Ctrl + ") + letter);
    }
    return names;
}

TEST(MacroKeyTableTest, HoldsTheFiftySevenNamesInTestingOrder) {
    std::vector<std::string> names;
    for (const MacroKey& key : MacroKeys::keys()) {
        names.emplace_back(key.name);
    }
    EXPECT_EQ(names, expectedNames());
}

TEST(MacroKeyTableTest, CodesFollowTheKeys) {
    const std::vector<std::pair<std::string_view, int>> samples = {{"F1", 112},
                                                                   {"F12", 123},
                                                                   {"Keypad Ins + Num Lock", 96},
                                                                   {"Keypad Pg Up + Num Lock", 105},
                                                                   {"Keypad / Num Lock", 111},
                                                                   {"Keypad * Num Lock", 106},
                                                                   {"Keypad - Num Lock", 109},
                                                                   {"Keypad + Num Lock", 107},
                                                                   {"Keypad . Num Lock", 110},
                                                                   {"Up", 38},
                                                                   {"Down", 40},
                                                                   {"Left", 37},
                                                                   {"Right", 39},
                                                                   {"Ctrl + A", 65},
                                                                   {"Ctrl + Z", 90}};
    for (const auto& [name, code] : samples) {
        const auto key = MacroKeys::keyNamed(name);
        ASSERT_TRUE(key) << name;
        EXPECT_EQ(key->virtualKey, code) << name;
        EXPECT_EQ(key->needsControl, name.starts_with("Ctrl")) << name;
    }
    EXPECT_FALSE(MacroKeys::keyNamed("ctrl + a"));
}

// A new profile lists every key the recogniser can name except keypad 0, which enters a table
// only when it is first pressed.
TEST(MacroKeyTableTest, NewProfilesListEveryKeyButKeypadZero) {
    std::vector<std::string> recognised;
    for (const MacroKey& key : MacroKeys::keys()) {
        recognised.emplace_back(key.name);
    }
    std::vector<std::string> standard = MacroTable::standardKeyNames();
    std::sort(recognised.begin(), recognised.end());
    std::sort(standard.begin(), standard.end());
    std::vector<std::string> missing;
    std::set_difference(recognised.begin(), recognised.end(), standard.begin(), standard.end(),
                        std::back_inserter(missing));
    EXPECT_EQ(missing, (std::vector<std::string>{"Keypad Ins + Num Lock"}));
    EXPECT_EQ(standard.size(), 56u);
}

// Successive key events: the keys down at each, and the name the recogniser gives ("" none).
struct PressCase {
    const char* name;
    std::vector<std::vector<int>> keysDown;
    std::vector<std::string> recognised;
};

class RecogniserTest : public ::testing::TestWithParam<PressCase> {};

TEST_P(RecogniserTest, NamesTheKeyPressed) {
    const PressCase& example = GetParam();
    MacroKeys recogniser;
    std::vector<std::string> recognised;
    for (const auto& down : example.keysDown) {
        HeldKeys keyboard;
        for (const int key : down) {
            keyboard.press(key);
        }
        recognised.push_back(recogniser.GetMacroKeyName(keyboard).value_or(""));
    }
    EXPECT_EQ(recognised, example.recognised);
}

constexpr int F1 = VirtualKey::F1;
constexpr int F2 = VirtualKey::F1 + 1;
constexpr int Ctrl = VirtualKey::Control;
constexpr int Shift = VirtualKey::Shift;

INSTANTIATE_TEST_SUITE_P(
    GetMacroKeyName, RecogniserTest,
    ::testing::Values(
        PressCase{"NothingDown", {{}, {VirtualKey::Enter}}, {"", ""}},
        PressCase{"HeldKeyRepeats", {{F1}, {F1}, {F1}}, {"F1", "F1", "F1"}},
        PressCase{"NewKeyWinsWhileAnotherIsHeld", {{F1}, {F1, F2}, {F1, F2}}, {"F1", "F2", "F1"}},
        PressCase{"TableOrderWithoutHistory", {{F2, F1}}, {"F1"}},
        PressCase{"ModifiersDoNotMatterToFunctionKeys", {{Ctrl, Shift, F1}}, {"F1"}},
        PressCase{"LettersNeedCtrl",
                  {{'A'}, {Ctrl, Shift, 'A'}, {Ctrl, 'Z'}},
                  {"", "Ctrl + A", "Ctrl + Z"}},
        PressCase{"FunctionKeysComeBeforeLetters", {{Ctrl, 'A', VirtualKey::F1 + 11}}, {"F12"}},
        PressCase{"KeypadAndArrows",
                  {{VirtualKey::Keypad0},
                   {VirtualKey::Keypad0 + 8},
                   {VirtualKey::KeypadDecimal},
                   {VirtualKey::Up}},
                  {"Keypad Ins + Num Lock", "Keypad Up + Num Lock", "Keypad . Num Lock", "Up"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecogniserStateTest, ForgetsTheLastKeyWhenNothingIsDown) {
    MacroKeys recogniser;
    recogniser.GetMacroKeyName(HeldKeys{F1});
    EXPECT_EQ(recogniser.lastAcceptedKey(), F1);
    EXPECT_FALSE(recogniser.GetMacroKeyName(HeldKeys{}));
    EXPECT_EQ(recogniser.lastAcceptedKey(), -1);
}

} // namespace
} // namespace vesk
