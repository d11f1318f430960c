#include "display/FindState.h"

#include "FakeHost.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

using testing::FakeHost;
using Outcome = FindState::Outcome;

const std::string notFound = "Vesk Find|The search string was not found.";
const std::string loopToStart = "Vesk Find|The search string was not found.\n\nLoop back to the "
                                "start and continue the search?";
const std::string loopToBottom = "Vesk Find|The search string was not found.\n\nLoop back to the "
                                 "bottom and continue the search?";

class FindStateTest : public ::testing::Test {
protected:
    FakeHost host;
    TextBuffer buffer;
    FindState find{buffer, host};

    void SetUp() override {
        for (const char* line : {"orc and orc", "nothing here", "an Orc again"}) {
            buffer.AddString(std::string(line) + "\n");
        }
    }
    FindState::Result step(const std::string& text, bool searchUp = false, bool ignoreCase = true) {
        return find.FindNext({text, ignoreCase, searchUp});
    }
};

TEST_F(FindStateTest, SuccessiveStepsFindSuccessiveMatchesAndSelectThem) {
    EXPECT_EQ(step("orc"), (FindState::Result{Outcome::Found, {0, 0}}));
    EXPECT_EQ(step("orc"), (FindState::Result{Outcome::Found, {0, 8}}));
    EXPECT_EQ(buffer.selStartLine, 0);
    EXPECT_EQ(buffer.selStartCol, 8);
    EXPECT_EQ(buffer.selEndLine, 0);
    EXPECT_EQ(buffer.selEndCol, 11);
    EXPECT_EQ(step("orc"), (FindState::Result{Outcome::Found, {2, 3}}));
    EXPECT_EQ(step("orc", false, false).outcome, Outcome::Declined);
    EXPECT_EQ(buffer.selStartLine, -1);
    EXPECT_EQ(host.questions, std::vector<std::string>{loopToStart});
}

TEST_F(FindStateTest, LoopingBackFindsATextBeforeTheStart) {
    EXPECT_EQ(step("again").match, (TextPosition{2, 7}));
    host.questionAnswers = {true};
    EXPECT_EQ(step("again"), (FindState::Result{Outcome::Found, {2, 7}}));
    EXPECT_EQ(host.questions, std::vector<std::string>{loopToStart});
    EXPECT_EQ(find.searchLine(), 2);
    EXPECT_EQ(find.searchCol(), 12);
}

TEST_F(FindStateTest, AnAbsentTextFromTheStartOnlySaysItWasNotFound) {
    EXPECT_EQ(step("dragon").outcome, Outcome::NotFound);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(host.messages,
              std::vector<std::string>{"Vesk Find|The search string was not found."});

    host.messages.clear();
    step("orc");
    host.questionAnswers = {true};
    EXPECT_EQ(step("dragon").outcome, Outcome::NotFound);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(FindStateTest, BackwardsStartsAtTheEndAndLoopsToTheBottom) {
    EXPECT_EQ(step("orc", true).match, (TextPosition{2, 3}));
    EXPECT_EQ(step("orc", true).match, (TextPosition{0, 8}));
    EXPECT_EQ(step("orc", true).match, (TextPosition{0, 0}));
    host.questionAnswers = {true};
    EXPECT_EQ(step("orc", true).match, (TextPosition{2, 3}));
    EXPECT_EQ(host.questions, std::vector<std::string>{loopToBottom});
    EXPECT_EQ(step("dragon", true).outcome, Outcome::NotFound);
    EXPECT_EQ(host.messages,
              std::vector<std::string>{"Vesk Find|The search string was not found."});
}

TEST_F(FindStateTest, OneLetterBackwardsMovesOnAtEveryStep) {
    EXPECT_EQ(step("a", true).match, (TextPosition{2, 9}));
    EXPECT_EQ(step("a", true).match, (TextPosition{2, 7}));
    EXPECT_EQ(step("a", true).match, (TextPosition{2, 0}));
    EXPECT_EQ(step("a", true).match, (TextPosition{0, 4}));
}

TEST_F(FindStateTest, ChangingTheTextRestartsButChangingTheDirectionDoesNot) {
    step("orc");
    step("orc");
    // Upwards from just after the second match, not from the end of the buffer.
    EXPECT_EQ(step("orc", true).match, (TextPosition{0, 8}));
    EXPECT_EQ(step("here").match, (TextPosition{1, 8}));
    EXPECT_EQ(step("", false).outcome, Outcome::Empty);
    EXPECT_EQ(find.lastSearchText(), "");
    find.resetStart();
    EXPECT_EQ(step("here").match, (TextPosition{1, 8}));
}

// The selection of a match counts characters, so it covers the whole match in the view.
TEST(FindStateUtf8Test, AMatchIsSelectedInCharacters) {
    FakeHost host;
    TextBuffer buffer;
    buffer.AddString("\xe2\x86\x92 Caf\xc3\xa9 \xe2\x86\x92 caf\xc3\xa9\n");
    FindState find{buffer, host};
    EXPECT_EQ(find.FindNext({"caf\xc3\xa9", true, false}).match, (TextPosition{0, 2}));
    EXPECT_EQ(buffer.selStartCol, 2);
    EXPECT_EQ(buffer.selEndCol, 6);
    EXPECT_EQ(find.FindNext({"caf\xc3\xa9", true, false}).match, (TextPosition{0, 9}));
    EXPECT_EQ(buffer.selEndCol, 13);
}

} // namespace
} // namespace vesk
