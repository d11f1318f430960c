#include "PipelineRig.h"

#include <gtest/gtest.h>

namespace vesk::testing {
namespace {

using Lines = std::vector<std::string>;

int loggedCount(const PipelineRig& rig, const std::string& line) {
    int count = 0;
    for (const auto& [text, category] : rig.events.logged) {
        count += text == line ? 1 : 0;
    }
    return count;
}

TEST(ReceivePath, BlankLineBetweenTwoLinesIsStoredOnItsOwnAndEachLineDispatchedOnce) {
    PipelineRig rig;
    rig.feed({"start\n", "abc\r\n\r\ndef\r\n"});
    EXPECT_EQ(rig.texts(), (Lines{"start\n", "abc\r\n", "\n", "def\r\n"}));
    EXPECT_EQ(loggedCount(rig, "abc"), 1);
    EXPECT_EQ(loggedCount(rig, ""), 1);
    EXPECT_EQ(loggedCount(rig, "def"), 1);
}

// Triggers and the session log see the server's bytes: an accented letter, UTF-8 or Latin-1,
// is neither dropped nor converted; colour sequences and control bytes still go.
TEST(ReceivePath, TriggersAndTheLogSeeEveryByteAboveAscii) {
    PipelineRig rig;
    rig.feed({"Zo\xc3\xab says: \x1b[32mcaf\xc3\xa9\x01\n", "na\xefve\n"});
    EXPECT_EQ(rig.triggers.lines, (Lines{"Zo\xc3\xab says: caf\xc3\xa9", "na\xefve"}));
    EXPECT_EQ(loggedCount(rig, "Zo\xc3\xab says: caf\xc3\xa9"), 1);
    EXPECT_EQ(loggedCount(rig, "na\xefve"), 1);
}

TEST(ReceivePath, PromptIsMarkedAndNotDispatchedAgainAfterALineBreak) {
    PipelineRig rig;
    rig.feed({"Enter> "});
    ASSERT_EQ(rig.buffer.LineCount(), 1);
    EXPECT_EQ(rig.buffer.line(0).handled, 1);
    rig.feed({"\nnext\n"});
    EXPECT_EQ(rig.visibleRows(), (Lines{"Enter> ", "next"}));
    EXPECT_EQ(loggedCount(rig, "Enter> "), 1);
}

TEST(ReceivePath, PartialLineAfterUnrecognisedLinesIsDispatchedAgainWhenItGrows) {
    PipelineRig rig;
    rig.feed({"one\ntwo\nhalf"});
    ASSERT_EQ(rig.buffer.LineCount(), 3);
    EXPECT_EQ(rig.buffer.line(2).handled, 3);
    rig.feed({" done\n"});
    EXPECT_EQ(rig.texts(), (Lines{"one\n", "two\n", "half done\n"}));
    EXPECT_EQ(loggedCount(rig, "half done"), 1);
}

TEST(ReceivePath, ControlLineSplitOverReadsIsJoinedBeforeItIsParsed) {
    PipelineRig rig;
    rig.feed({"hello\n", "##VESK STATUS 10 20"});
    EXPECT_EQ(rig.texts(), Lines{"hello\n"});
    rig.feed({" 30 40\n"});
    EXPECT_EQ(rig.texts(), Lines{"hello\n"});
    EXPECT_EQ(rig.status.spMax, 40);
    EXPECT_TRUE(rig.events.logged.size() == 1);
}

TEST(ReceivePath, ControlLineStartingAReadLeavesNoEmptyLineBehindACompleteLine) {
    PipelineRig rig;
    rig.feed({"hello\n", "##VESK XP 5 10 15\n"});
    EXPECT_EQ(rig.texts(), Lines{"hello\n"});
    EXPECT_EQ(rig.status.xpEarned, 15);
}

constexpr const char* prompt = "hp: 50    sp: 20    mp: 10 ";

TEST(ReceivePath, ControlLineStartingAReadBehindAPromptLeavesThePromptAlone) {
    PipelineRig rig;
    rig.feed({prompt, "##VESK XP 5 10 15\n"});
    EXPECT_EQ(rig.visibleRows(), Lines{prompt});
    EXPECT_EQ(rig.status.xp, 5);
    rig.feed({"more\n"});
    EXPECT_EQ(rig.visibleRows(), (Lines{prompt, "more"}));
}

TEST(ReceivePath, MarkerCutByAReadIsHeldBackAtTheStartOfALine) {
    const std::pair<const char*, const char*> cuts[] = {
        {"#", "#VESK XP 7\n"},     {"##", "VESK XP 7\n"}, {"##V", "ESK XP 7\n"},
        {"##VE", "SK XP 7\n"},     {"##VES", "K XP 7\n"}, {"\n##VE", "SK XP 7\n"},
        {"\r\n#", "#VESK XP 7\n"},
    };
    for (const auto& [head, rest] : cuts) {
        PipelineRig rig;
        rig.feed({std::string("text\n") + head});
        EXPECT_EQ(rig.visibleRows(), Lines{"text"}) << head;
        EXPECT_EQ(rig.events.logged.size(), 1u) << head;
        rig.feed({rest});
        EXPECT_EQ(rig.status.xp, 7) << head;
        EXPECT_EQ(rig.visibleRows(), Lines{"text"}) << head;
    }
}

TEST(ReceivePath, HeldBackHashThatTurnsOutToBeTextIsShown) {
    PipelineRig rig;
    rig.feed({"a\n#", "5 apples\n"});
    EXPECT_EQ(rig.visibleRows(), (Lines{"a", "#5 apples"}));
}

TEST(ReceivePath, PromptEndingInAHashIsShownAtOnce) {
    PipelineRig rig;
    rig.feed({"Choose #"});
    EXPECT_EQ(rig.visibleRows(), Lines{"Choose #"});
}

TEST(ReceivePath, ControlFragmentWaitsOverManyReads) {
    PipelineRig rig;
    rig.feed({prompt, "##VESK STA", "TUS 1 2", " 3", " 4\n", "after\n"});
    EXPECT_EQ(rig.visibleRows(), (Lines{prompt, "after"}));
    EXPECT_EQ(rig.status.spMax, 4);
}

TEST(ReceivePath, SayInColourIsRecognisedWithoutItsSequences) {
    PipelineRig rig;
    rig.feed({"\x1b[31mYou say: hi\x1b[0;37;40m\n"});
    ASSERT_EQ(rig.events.logged.size(), 1u);
    EXPECT_EQ(rig.events.logged[0], (std::pair<std::string, int>{"You say: hi", 2}));
    EXPECT_EQ(rig.buffer.line(0).handled, 1);
}

TEST(ReceivePath, LineCompletedByTheNextReadIsDispatchedThen) {
    PipelineRig rig;
    rig.feed({"Bob tells you: wa"});
    rig.feed({"it\n"});
    EXPECT_EQ(rig.events.logged.back(), (std::pair<std::string, int>{"Bob tells you: wait", 0}));
    EXPECT_EQ(rig.triggers.lines.back(), "Bob tells you: wait");
}

TEST(ReceivePath, VeryLongLineIsShownButNeverParsedNorMatched) {
    PipelineRig rig;
    rig.buffer.setWrapWidth(100000);
    const std::string line = "You say: " + std::string(19991, 'x') + "\n";
    rig.events.nameAnswer = {true, "Tamsin\n"};
    rig.feed({line});
    EXPECT_EQ(rig.texts(), Lines{line});
    EXPECT_TRUE(rig.events.logged.empty());
    EXPECT_TRUE(rig.triggers.lines.empty());
}

TEST(ReceivePath, ControlLinesAreDeletedAndStillReachTheTriggerCheck) {
    PipelineRig rig;
    rig.feed({"##VESK REDRAW\nplain\n"});
    EXPECT_EQ(rig.texts(), Lines{"plain\n"});
    EXPECT_EQ(rig.triggers.lines, (Lines{"##VESK REDRAW", "plain"}));
}

TEST(ReceivePath, AnsweredPromptGetsItsSuffixAndIsNotLogged) {
    PipelineRig rig;
    rig.events.nameAnswer = {true, "Tamsin\n"};
    rig.feed({"What name would you like to use? "});
    EXPECT_EQ(rig.texts(), Lines{"What name would you like to use? Tamsin\n"});
    EXPECT_TRUE(rig.events.logged.empty());
    EXPECT_EQ(rig.events.namePrompts, 1);
}

// A long control line is read whole, however many reads it takes; one longer than the client
// reads is dropped unread, up to its line feed, with a note that holds none of its bytes.
TEST(ReceivePath, LongControlFragmentIsHeldAndAnOversizedOneDropped) {
    PipelineRig rig;
    std::vector<std::string> notes;
    rig.path.setDropNote([&](const std::string& note) { notes.push_back(note); });
    rig.feed({"##VESK NEWS " + std::string(30000, 'x')});
    EXPECT_EQ(rig.buffer.LineCount(), 0);
    rig.feed({" done\n"});
    EXPECT_TRUE(rig.path.pendingFragment().empty());
    EXPECT_EQ(rig.events.calls, Lines{"news " + std::string(30000, 'x') + ",done"});

    const std::string oversized = "##VESK NAME Evil" + std::string(longestControlLine, 'x');
    rig.feed({oversized.substr(0, 700000), oversized.substr(700000), "yyy\nafter\n"});
    EXPECT_TRUE(rig.path.pendingFragment().empty());
    EXPECT_EQ(rig.visibleRows(), Lines{"after"});
    EXPECT_EQ(rig.status.characterName(), "");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].find("Evil"), std::string::npos);
    EXPECT_TRUE(rig.events.logged.size() == 1 && rig.events.logged[0].first == "after");
}

} // namespace
} // namespace vesk::testing
