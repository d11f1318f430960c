#include "SendPathRig.h"
#include "input/CommandHistory.h"
#include "input/HeldKeys.h"
#include "input/InputLine.h"
#include "input/InputText.h"
#include "input/WordCompletion.h"

#include <gtest/gtest.h>

namespace vesk::testing {
namespace {

using Lines = std::vector<std::string>;

CommandHistory historyOf(const Lines& lines) {
    CommandHistory history;
    for (const std::string& line : lines) {
        history.remember(line);
    }
    return history;
}

// Ctrl+Up walks back through the commands holding the typed text, Ctrl+Down forward, and past
// the newest the typed text comes back.
TEST(HistorySearchTest, FindsOlderAndNewerCommandsHoldingTheText) {
    CommandHistory history =
        historyOf({"tell bob hi", "look", "Tell Ann bye", "kill orc", "tell bob hi"});
    auto found = history.searchBack("tell");
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, "tell bob hi");
    found = history.searchBack(*found);
    // The same command again is skipped; letter case is ignored.
    EXPECT_EQ(found, std::optional<std::string>("Tell Ann bye"));
    found = history.searchBack(*found);
    EXPECT_EQ(found, std::optional<std::string>("tell bob hi"));
    EXPECT_FALSE(history.searchBack(*found));
    EXPECT_EQ(history.searchForward("tell bob hi"), "Tell Ann bye");
    EXPECT_EQ(history.searchForward("Tell Ann bye"), "tell bob hi");
    EXPECT_EQ(history.searchForward("tell bob hi"), "tell");
    // Typing into the line starts a new search.
    EXPECT_EQ(history.searchBack("orc"), std::optional<std::string>("kill orc"));
    EXPECT_EQ(history.searchBack(""), std::optional<std::string>("tell bob hi"));
}

TEST(WordCompletionTest, CompletesTheWordBeforeTheCaretAndCyclesOnTab) {
    WordCompletion completion;
    const auto candidates = [] { return Lines{"Bob", "Bobby", "bob", "Brannoc", "Bo"}; };
    using Line = WordCompletion::Line;
    auto line = completion.complete({"tell bo hi", 7}, candidates);
    ASSERT_TRUE(line);
    EXPECT_EQ(*line, (Line{"tell Bob hi", 8}));
    line = completion.complete(*line, candidates);
    EXPECT_EQ(*line, (Line{"tell Bobby hi", 10}));
    line = completion.complete(*line, candidates);
    EXPECT_EQ(*line, (Line{"tell Bob hi", 8}));
    // Anything typed in between starts again from the new word.
    EXPECT_EQ(completion.complete({"tell Br", 7}, candidates), (Line{"tell Brannoc", 12}));
    EXPECT_FALSE(completion.complete({"tell ", 5}, candidates));
    EXPECT_FALSE(completion.complete({"", 0}, candidates));
    EXPECT_FALSE(completion.complete({"xyz", 3}, candidates));
}

TEST(WordCompletionTest, MatchingKeepsTheOrderAndDropsRepeatsAndTheWordItself) {
    EXPECT_EQ(WordCompletion::matching("bo", {"bo", "Bob", "BOB", "Bobby", "ann", "bob"}),
              (Lines{"Bob", "Bobby"}));
}

class InputLineKeysTest : public ::testing::Test {
protected:
    KeyResponse press(int key, std::vector<int> held = {}, int character = 0) {
        for (const int other : held) {
            keyboard.press(other);
        }
        keyboard.press(key);
        KeyResponse response = input.onKeyDown(key, keyboard);
        if (character != 0 && response.defaultProcessing) {
            response = input.onCharacter(character, keyboard);
        }
        input.onKeyUp(key);
        keyboard.releaseAll();
        return response;
    }

    SendPathRig rig;
    InputText editor;
    HeldKeys keyboard;
    InputLine input{rig.sender, rig.preferences, editor, rig.host};
};

// Ctrl+Up searches the history even with a macro on Up, which plain Up still sends.
TEST_F(InputLineKeysTest, CtrlUpSearchesTheHistoryBeforeTheUpMacro) {
    rig.preferences.currentMacros()["Up"] = "north";
    for (const char* line : {"tell bob hi", "look", "tell ann bye"}) {
        rig.sender.SendUserCommand(line, true);
    }
    rig.host.sent.clear();
    editor.setText("bob");
    EXPECT_FALSE(press(VirtualKey::Up, {VirtualKey::Control}).defaultProcessing);
    EXPECT_EQ(editor.text(), "tell bob hi");
    press(VirtualKey::Down, {VirtualKey::Control});
    EXPECT_EQ(editor.text(), "bob");
    EXPECT_TRUE(rig.sentLines().empty());
    press(VirtualKey::Up);
    EXPECT_EQ(rig.sentLines(), (Lines{"north\n"}));
}

TEST_F(InputLineKeysTest, TabCompletesFromTheCandidatesAndIsSwallowed) {
    input.setCompletionCandidates([] { return Lines{"Quill", "Quilt"}; });
    editor.setText("tell qu");
    EXPECT_EQ(press('\t', {}, '\t'), (KeyResponse{InputAction::None, false}));
    EXPECT_EQ(editor.text(), "tell Quill");
    press('\t', {}, '\t');
    EXPECT_EQ(editor.text(), "tell Quilt");
    EXPECT_EQ(editor.caret(), 10u);
}

} // namespace
} // namespace vesk::testing
