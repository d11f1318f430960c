#include "input/InputLine.h"
#include "SendPathRig.h"
#include "input/HeldKeys.h"
#include "input/InputText.h"

#include <gtest/gtest.h>

namespace vesk::testing {
namespace {

using Lines = std::vector<std::string>;

constexpr KeyResponse swallowed{InputAction::None, false};
constexpr KeyResponse ordinary{InputAction::None, true};
// A key that sent a command: its key goes no further and the output joins at its end.
constexpr KeyResponse sentAndJoined{InputAction::ScrollToEnd, false};

// The input line over the send path, with a keyboard the test holds keys on.
class InputLineTest : public ::testing::Test {
protected:
    MacroTable& macros() { return rig.preferences.currentMacros(); }

    // One key press with the given keys held as well: key-down, the character, key-up.
    KeyResponse press(int key, std::vector<int> held = {}, int character = 0) {
        for (const int other : held) {
            keyboard.press(other);
        }
        keyboard.press(key);
        KeyResponse response = input.onKeyDown(key, keyboard);
        if (character != 0) {
            const KeyResponse typed = input.onCharacter(character, keyboard);
            if (response == ordinary) {
                response = typed;
            }
        }
        input.onKeyUp(key);
        keyboard.releaseAll();
        return response;
    }
    void type(const std::string& text) { editor.setText(text); }
    void enter() { press(VirtualKey::Enter, {}, '\r'); }

    SendPathRig rig;
    InputText editor;
    HeldKeys keyboard;
    InputLine input{rig.sender, rig.preferences, editor, rig.host};
};

TEST_F(InputLineTest, EnterSendsRemembersAndEmptiesTheLine) {
    type("look");
    EXPECT_EQ(input.onKeyDown(VirtualKey::Enter, HeldKeys{VirtualKey::Enter}), swallowed);
    EXPECT_EQ(input.onCharacter('\r', HeldKeys{VirtualKey::Enter}), sentAndJoined);
    EXPECT_EQ(rig.sentLines(), (Lines{"look\n"}));
    EXPECT_EQ(rig.sender.history().entries(), (Lines{"look"}));
    EXPECT_EQ(editor.text(), "");
}

TEST_F(InputLineTest, WithoutClearEditFieldTheLineIsSelected) {
    rig.preferences.settings.setNumber(setting::clearEditField, 0);
    type("look");
    enter();
    EXPECT_EQ(editor.text(), "look");
    EXPECT_TRUE(editor.hasSelection());
}

TEST_F(InputLineTest, APasswordIsNeverLeftInTheLine) {
    rig.preferences.settings.setNumber(setting::clearEditField, 0);
    rig.serverEchoes = true;
    type("secret");
    enter();
    EXPECT_EQ(rig.sentLines(), (Lines{"secret\n"}));
    EXPECT_EQ(editor.text(), "");
    EXPECT_TRUE(rig.sender.history().entries().empty());
}

TEST_F(InputLineTest, EnterWhileNotConnectedKeepsTheText) {
    rig.connection.setPhase(Connection::Phase::NotConnected);
    type("look");
    enter();
    EXPECT_TRUE(rig.host.sent.empty());
    EXPECT_EQ(editor.text(), "look");
    EXPECT_TRUE(rig.sender.history().entries().empty());
}

TEST_F(InputLineTest, EmptySubmissionSendsABareLineFeedAndIsRemembered) {
    enter();
    EXPECT_EQ(rig.sentLines(), (Lines{"\n"}));
    EXPECT_EQ(rig.sender.history().entries(), (Lines{""}));
}

TEST_F(InputLineTest, UpAndDownWalkTheHistory) {
    for (const char* line : {"a", "b", "c"}) {
        type(line);
        enter();
    }
    Lines shown;
    for (const int key : {VirtualKey::Up, VirtualKey::Up, VirtualKey::Up, VirtualKey::Up,
                          VirtualKey::Down, VirtualKey::Down, VirtualKey::Down}) {
        EXPECT_EQ(press(key), ordinary);
        shown.push_back(editor.text());
    }
    EXPECT_EQ(shown, (Lines{"c", "b", "a", "a", "b", "c", ""}));
}

TEST_F(InputLineTest, MacroKeySendsThroughStackingAndSwallowsTheKey) {
    rig.setStacking(true);
    macros()["F1"] = "kill rat&get all from corpse";
    EXPECT_EQ(press(VirtualKey::F1), sentAndJoined);
    EXPECT_EQ(rig.sentLines(), (Lines{"kill rat\n", "get all from corpse\n"}));
    EXPECT_TRUE(rig.sender.history().entries().empty()) << "macros are not remembered";
}

TEST_F(InputLineTest, HeldMacroKeySendsOnEveryRepeat) {
    macros()["F1"] = "kick";
    keyboard.press(VirtualKey::F1);
    for (int repeat = 0; repeat < 3; ++repeat) {
        input.onKeyDown(VirtualKey::F1, keyboard);
    }
    EXPECT_EQ(rig.sentLines(), (Lines{"kick\n", "kick\n", "kick\n"}));
}

TEST_F(InputLineTest, SecondMacroKeyWhileTheFirstIsHeld) {
    macros()["F1"] = "kick";
    macros()["F2"] = "punch";
    keyboard.press(VirtualKey::F1);
    input.onKeyDown(VirtualKey::F1, keyboard);
    keyboard.press(VirtualKey::F1 + 1);
    input.onKeyDown(VirtualKey::F1 + 1, keyboard);
    EXPECT_EQ(rig.sentLines(), (Lines{"kick\n", "punch\n"}));
}

TEST_F(InputLineTest, ModifiersPickTheMacro) {
    macros()["F1"] = "kick";
    macros()["Ctrl + A"] = "assist";
    press(VirtualKey::F1, {VirtualKey::Control});
    EXPECT_EQ(press('A', {VirtualKey::Control, VirtualKey::Shift}, 1), sentAndJoined);
    EXPECT_EQ(rig.sentLines(), (Lines{"kick\n", "assist\n"}));
}

TEST_F(InputLineTest, KeypadZeroEntersTheProfileWhenFirstPressed) {
    const std::size_t before = macros().size();
    EXPECT_EQ(press(VirtualKey::Keypad0, {}, '0'), ordinary) << "an empty macro lets the key type";
    ASSERT_EQ(macros().size(), before + 1);
    EXPECT_EQ(macros().entries().back(), (MacroTable::Entry{"Keypad Ins + Num Lock", ""}));
    EXPECT_TRUE(rig.host.sent.empty());
}

TEST_F(InputLineTest, ArrowMacrosReplaceTheirBuiltInUse) {
    type("a");
    enter();
    macros()["Up"] = "north";
    EXPECT_EQ(press(VirtualKey::Up), sentAndJoined);
    EXPECT_EQ(editor.text(), "") << "no history while Up has a macro";
    macros()["Up"] = "";
    press(VirtualKey::Up);
    EXPECT_EQ(editor.text(), "a");
    macros()["Left"] = "west";
    EXPECT_EQ(press(VirtualKey::Left), sentAndJoined);
    EXPECT_EQ(press(VirtualKey::Right), ordinary);
    EXPECT_EQ(rig.sentLines(), (Lines{"a\n", "north\n", "west\n"}));
}

// End and Ctrl+End join a split output view (and still move the caret); a command sent joins
// it unless the player turned that off.
TEST_F(InputLineTest, EndAndSendingACommandBringTheOutputToItsEnd) {
    EXPECT_EQ(press(VirtualKey::End), (KeyResponse{InputAction::ScrollToEnd, true}));
    EXPECT_EQ(press(VirtualKey::End, {VirtualKey::Control}),
              (KeyResponse{InputAction::ScrollToEnd, true}));
    rig.preferences.settings.setNumber(setting::splitJoinOnSend, 0);
    type("look");
    EXPECT_EQ(input.onCharacter('\r', HeldKeys{VirtualKey::Enter}), swallowed);
    macros()["F1"] = "kick";
    EXPECT_EQ(press(VirtualKey::F1), swallowed);
    EXPECT_EQ(rig.sentLines(), (Lines{"look\n", "kick\n"}));
    rig.connection.setPhase(Connection::Phase::NotConnected);
    rig.preferences.settings.setNumber(setting::splitJoinOnSend, 1);
    type("look");
    EXPECT_EQ(input.onCharacter('\r', HeldKeys{VirtualKey::Enter}), swallowed)
        << "nothing was sent";
}

TEST_F(InputLineTest, CtrlFFindsUnlessItHasAMacro) {
    EXPECT_EQ(press('F', {VirtualKey::Control}, 6), (KeyResponse{InputAction::OpenFind, false}));
    macros()["Ctrl + F"] = "flee";
    EXPECT_EQ(press('F', {VirtualKey::Control}, 6), sentAndJoined);
    EXPECT_EQ(rig.sentLines(), (Lines{"flee\n"}));
}

TEST_F(InputLineTest, CtrlVMacroReplacesPaste) {
    rig.host.clipboard = "look\nscore";
    macros()["Ctrl + V"] = "sleep";
    EXPECT_EQ(press('V', {VirtualKey::Control}, 22), sentAndJoined);
    EXPECT_EQ(rig.sentLines(), (Lines{"sleep\n"}));
}

struct ControlKeyCase {
    const char* name;
    int key;
    std::vector<int> held;
    int character;
    bool inputSelected;
    bool connected;
    KeyResponse expected;
};

class ControlKeyTest : public ::testing::TestWithParam<ControlKeyCase> {};

TEST_P(ControlKeyTest, AsksTheFrontEndForTheRightAction) {
    const ControlKeyCase& example = GetParam();
    SendPathRig rig;
    InputText editor;
    InputLine input{rig.sender, rig.preferences, editor, rig.host};
    if (!example.connected) {
        rig.connection.setPhase(Connection::Phase::NotConnected);
    }
    editor.setText("typed");
    rig.host.clipboard = "look";
    if (example.inputSelected) {
        editor.selectAll();
    }
    HeldKeys keyboard;
    for (const int key : example.held) {
        keyboard.press(key);
        input.onKeyDown(key, keyboard);
    }
    keyboard.press(example.key);
    KeyResponse response = input.onKeyDown(example.key, keyboard);
    if (example.character != 0) {
        response = input.onCharacter(example.character, keyboard);
    }
    EXPECT_EQ(response, example.expected);
    EXPECT_TRUE(rig.host.sent.empty());
}

constexpr int Ctrl = VirtualKey::Control;

INSTANTIATE_TEST_SUITE_P(
    Keys, ControlKeyTest,
    ::testing::Values(
        ControlKeyCase{
            "PageUp", VirtualKey::PageUp, {}, 0, false, true, {InputAction::ScrollPageUp, true}},
        ControlKeyCase{"PageDown",
                       VirtualKey::PageDown,
                       {},
                       0,
                       false,
                       true,
                       {InputAction::ScrollPageDown, true}},
        ControlKeyCase{"EscapeDropsTheOutputSelectionAndNothingElse",
                       VirtualKey::Escape,
                       {},
                       0,
                       false,
                       true,
                       {InputAction::ClearOutputSelection, false}},
        ControlKeyCase{"CtrlASelectsTheLinesTextFirst",
                       'A',
                       {Ctrl},
                       1,
                       false,
                       true,
                       {InputAction::None, true}},
        ControlKeyCase{"CtrlAOnAWhollySelectedLineSelectsTheOutput",
                       'A',
                       {Ctrl},
                       1,
                       true,
                       true,
                       {InputAction::SelectAllOutput, false}},
        ControlKeyCase{"CtrlInsertCopiesTheOutput",
                       VirtualKey::Insert,
                       {Ctrl},
                       0,
                       false,
                       true,
                       {InputAction::CopyOutputSelection, false}},
        ControlKeyCase{"CtrlInsertWithASelectionCopiesIt",
                       VirtualKey::Insert,
                       {Ctrl},
                       0,
                       true,
                       true,
                       {InputAction::None, true}},
        ControlKeyCase{"CtrlCCopiesTheOutput",
                       'C',
                       {Ctrl},
                       3,
                       false,
                       true,
                       {InputAction::CopyOutputSelection, true}},
        ControlKeyCase{
            "CtrlCWithASelectionCopiesIt", 'C', {Ctrl}, 3, true, true, {InputAction::None, true}},
        ControlKeyCase{
            "CtrlSIsSwallowed", 'S', {Ctrl}, 19, false, true, {InputAction::None, false}},
        ControlKeyCase{"CtrlTConnectsToTheDevelopmentSite",
                       'T',
                       {Ctrl},
                       20,
                       false,
                       false,
                       {InputAction::ConnectToDevelopmentSite, true}},
        ControlKeyCase{
            "CtrlTWhileConnected", 'T', {Ctrl}, 20, false, true, {InputAction::None, true}},
        ControlKeyCase{"OneLinePasteIsTheEditBoxs",
                       'V',
                       {Ctrl},
                       22,
                       false,
                       true,
                       {InputAction::OrdinaryPaste, false}},
        ControlKeyCase{"ShiftInsertPastes",
                       VirtualKey::Insert,
                       {VirtualKey::Shift},
                       0,
                       false,
                       true,
                       {InputAction::OrdinaryPaste, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CtrlATest, OnAnEmptyLineSelectsAllOfTheOutput) {
    SendPathRig rig;
    InputText editor;
    InputLine input{rig.sender, rig.preferences, editor, rig.host};
    const HeldKeys keyboard{VirtualKey::Control, 'A'};
    input.onKeyDown('A', keyboard);
    EXPECT_EQ(input.onCharacter(1, keyboard), (KeyResponse{InputAction::SelectAllOutput, false}));
}

TEST(ShiftAndCtrlTest, FlagsFollowTheInputLinesOwnKeyEvents) {
    SendPathRig rig;
    InputText editor;
    InputLine input{rig.sender, rig.preferences, editor, rig.host};
    input.onKeyDown(VirtualKey::Shift, HeldKeys{VirtualKey::Shift});
    input.onKeyDown(VirtualKey::Control, HeldKeys{VirtualKey::Shift, VirtualKey::Control});
    EXPECT_TRUE(input.shiftHeld());
    EXPECT_TRUE(input.controlHeld());
    input.onKeyUp(VirtualKey::Shift);
    EXPECT_FALSE(input.shiftHeld());
    EXPECT_TRUE(input.controlHeld());
    input.onKeyUp(VirtualKey::Control);
    EXPECT_FALSE(input.controlHeld());
}

// Shift pressed in the input line, released in another window: Insert alone used to paste the
// clipboard's lines as commands.
TEST(ShiftAndCtrlTest, AModifierReleasedElsewhereIsNotHeld) {
    SendPathRig rig;
    InputText editor;
    InputLine input{rig.sender, rig.preferences, editor, rig.host};
    rig.host.clipboard = "quit\ny";
    input.onKeyDown(VirtualKey::Shift, HeldKeys{VirtualKey::Shift});
    input.onKeyDown(VirtualKey::Control, HeldKeys{VirtualKey::Shift, VirtualKey::Control});
    EXPECT_EQ(input.onKeyDown(VirtualKey::Insert, HeldKeys{VirtualKey::Insert}), ordinary);
    EXPECT_FALSE(input.shiftHeld());
    EXPECT_FALSE(input.controlHeld());
    EXPECT_TRUE(rig.host.sent.empty());
}

TEST(ShiftAndCtrlTest, LosingTheKeyboardForgetsHeldModifiers) {
    SendPathRig rig;
    InputText editor;
    InputLine input{rig.sender, rig.preferences, editor, rig.host};
    input.onKeyDown(VirtualKey::Shift, HeldKeys{VirtualKey::Shift});
    input.onKeyDown(VirtualKey::Control, HeldKeys{VirtualKey::Shift, VirtualKey::Control});
    input.forgetHeldKeys();
    EXPECT_FALSE(input.shiftHeld());
    EXPECT_FALSE(input.controlHeld());
}

struct PasteCase {
    const char* name;
    std::string clipboard;
    Lines sent;
    InputAction action;
};

class PasteTest : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PasteTest, SendsEveryPastedLine) {
    const PasteCase& example = GetParam();
    SendPathRig rig;
    rig.setStacking(true);
    InputText editor;
    InputLine input{rig.sender, rig.preferences, editor, rig.host};
    editor.setText("typed");
    rig.host.clipboard = example.clipboard;
    EXPECT_EQ(input.PasteIntoInput(), example.action);
    EXPECT_EQ(rig.sentLines(), example.sent);
    EXPECT_EQ(editor.text(), example.sent.empty() ? "typed" : "");
    EXPECT_TRUE(rig.sender.history().entries().empty()) << "pasted lines are not remembered";
}

INSTANTIATE_TEST_SUITE_P(
    PasteIntoInput, PasteTest,
    ::testing::Values(
        PasteCase{"TwoLines", "look\nscore", {"look\n", "score\n"}, InputAction::None},
        PasteCase{"OneLineIsPastedIntoTheLine", "look", {}, InputAction::OrdinaryPaste},
        PasteCase{"EmptyClipboard", "", {}, InputAction::None},
        PasteCase{"EndingBreakSendsAnEmptyLine", "look\r\n", {"look\n", "\n"}, InputAction::None},
        PasteCase{"PairsInEitherOrderAreOneBreak",
                  "a\r\nb\n\rc",
                  {"a\n", "b\n", "c\n"},
                  InputAction::None},
        PasteCase{"RepeatedBreaksAreEmptyLines",
                  "a\r\rb\n\nc",
                  {"a\n", "\n", "b\n", "\n", "c\n"},
                  InputAction::None},
        PasteCase{"CrLfCrLfIsTwoBreaks", "a\r\n\r\nb", {"a\n", "\n", "b\n"}, InputAction::None},
        PasteCase{"LinesAreStacked", "n&e\ns", {"n\n", "e\n", "s\n"}, InputAction::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PasteWhileNotConnectedTest, KeepsTheTypedLine) {
    SendPathRig rig;
    rig.connection.setPhase(Connection::Phase::NotConnected);
    InputText editor;
    InputLine input{rig.sender, rig.preferences, editor, rig.host};
    editor.setText("typed");
    rig.host.clipboard = "look\nscore";
    EXPECT_EQ(input.PasteIntoInput(), InputAction::None);
    EXPECT_EQ(editor.text(), "typed");
    EXPECT_TRUE(rig.host.sent.empty());
}

TEST_F(InputLineTest, PressKeyByNameForADriver) {
    macros()["Ctrl + A"] = "assist";
    EXPECT_EQ(input.pressKey("Ctrl + A"), (std::vector<InputAction>{InputAction::ScrollToEnd}))
        << "a command sent joins the output at its end";
    EXPECT_EQ(input.pressKey("Ctrl + F"), (std::vector<InputAction>{InputAction::OpenFind}));
    EXPECT_EQ(input.pressKey("PageUp"), std::nullopt);
    EXPECT_EQ(rig.sentLines(), (Lines{"assist\n"}));
    EXPECT_FALSE(input.controlHeld());
}

} // namespace
} // namespace vesk::testing
