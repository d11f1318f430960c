// The simulator's Qt-free pieces that decide what goes on the wire: the script format, the
// upload decoding, the challenge check, channel words and source-tree paths.
#include "ChallengeCheck.h"
#include "ChannelBoard.h"
#include "FileTree.h"
#include "ScriptParser.h"
#include "UploadReceiver.h"

#include <gtest/gtest.h>

namespace vesk::sim {
namespace {

using Kind = ScriptStep::Kind;

TEST(ScriptParserTest, ReadsEveryStepKindWithEscapes) {
    const auto result = ScriptParser::parse("# greeting\n"
                                            "send \\xFF\\xFB\\x01Password: \n"
                                            "\n"
                                            "line \\e[31mhi\\e[0;37;40m\n"
                                            "expect 250 vesk init 2.04\r\n"
                                            "pause 10\n"
                                            "close\n");
    ASSERT_TRUE(result.ok()) << result.error;
    const std::vector<ScriptStep> expected = {
        {Kind::Send, "\xFF\xFB\x01Password: ", 0, 2},
        {Kind::Send, "\x1b[31mhi\x1b[0;37;40m\r\n", 0, 4},
        {Kind::Expect, "vesk init 2.04", 250, 5},
        {Kind::Pause, "", 10, 6},
        {Kind::Close, "", 0, 7},
    };
    EXPECT_EQ(result.steps, expected);
}

TEST(ScriptParserTest, RejectsMalformedLinesNamingTheLine) {
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"sned hello\n", "line 1"}, {"send ok\nexpect soon text\n", "line 2"},
        {"expect 100\n", "line 1"}, {"send bad \\q escape\n", "line 1"},
        {"send \\x4\n", "line 1"},  {"pause -5\n", "line 1"},
        {"close now\n", "line 1"},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.script);
        const auto result = ScriptParser::parse(testCase.script);
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.steps.empty());
        EXPECT_EQ(result.error.rfind(testCase.error, 0), 0u) << result.error;
    }
}

TEST(UploadReceiverTest, DecodesClientBatchesAndFinishes) {
    UploadReceiver receiver;
    EXPECT_EQ(receiver.takeLine("@int x;$^$^int y;$^"), UploadReceiver::Outcome::Batch);
    EXPECT_EQ(receiver.linesReceived(), 3);
    const std::string longLine(300, 'q');
    EXPECT_EQ(receiver.takeLine("@" + longLine + "$^"), UploadReceiver::Outcome::Batch);
    // A last line without a line end still counts.
    EXPECT_EQ(receiver.takeLine("@tail"), UploadReceiver::Outcome::Batch);
    EXPECT_EQ(receiver.takeLine("look"), UploadReceiver::Outcome::NotABatch);
    EXPECT_EQ(receiver.takeLine("@##VESK_FINISHFILE"), UploadReceiver::Outcome::Finished);
    const std::vector<std::string> expected = {"int x;", "", "int y;", longLine, "tail"};
    EXPECT_EQ(receiver.lines(), expected);
}

TEST(ChallengeCheckTest, AcceptsOnlyTheDecipheredPair) {
    ChallengeCheck check(99);
    EXPECT_EQ(check.judge({1, 2}), ChallengeCheck::Verdict::NothingIssued);
    const auto sent = check.issue();
    const auto answer = decipherChallenge(sent);
    EXPECT_NE(answer, sent);
    EXPECT_EQ(check.judge({answer.first + 1, answer.second}), ChallengeCheck::Verdict::NotMatched);
    EXPECT_EQ(check.judge(sent), ChallengeCheck::Verdict::NotMatched);
    EXPECT_EQ(check.judge(answer), ChallengeCheck::Verdict::Matched);
}

// The client asks twice per login (two login lines), so both challenges must stay answerable.
TEST(ChallengeCheckTest, TwoOutstandingChallengesMatchInEitherOrderOnce) {
    ChallengeCheck check(5);
    const auto first = decipherChallenge(check.issue());
    const auto second = decipherChallenge(check.issue());
    EXPECT_EQ(check.judge(second), ChallengeCheck::Verdict::Matched);
    EXPECT_EQ(check.judge(first), ChallengeCheck::Verdict::Matched);
    EXPECT_EQ(check.judge(first), ChallengeCheck::Verdict::NothingIssued);
}

TEST(ChallengeCheckTest, ParsesOnlyWellFormedReplies) {
    EXPECT_EQ(ChallengeCheck::parseReply("vesk reply -5 77"), (ChallengePair{-5, 77}));
    for (const auto* line : {"vesk reply 5", "vesk reply 5 x", "vesk reply 1 2 3",
                             "vesk replies 1 2", "vesk reply 99999999999 1"}) {
        EXPECT_FALSE(ChallengeCheck::parseReply(line)) << line;
    }
}

TEST(ChannelBoardTest, ChannelWordsAndLineForms) {
    using Speech = ChannelBoard::Speech;
    EXPECT_EQ(ChannelBoard::speechForCommand("gossip"), (Speech{"Gossip", false}));
    EXPECT_EQ(ChannelBoard::speechForCommand("gossipemote"), (Speech{"Gossip", true}));
    EXPECT_EQ(ChannelBoard::speechForCommand("cre@fenmarchmud"),
              (Speech{"Cre@FenmarchMUD", false}));
    EXPECT_FALSE(ChannelBoard::speechForCommand("Gossip"));
    EXPECT_FALSE(ChannelBoard::speechForCommand("gossipx"));

    ChannelBoard board;
    EXPECT_EQ(board.speak({"Gossip", false}, "Bob", "hi"), "[Gossip] Bob: hi");
    EXPECT_EQ(board.speak({"Gossip", true}, "Bob", "waves"), "[Gossip] Bob waves");
    const std::vector<std::string> review = {"<=- Begin Review -=>", "[Gossip] Bob: hi",
                                             "[Gossip] Bob waves", "<=-  End Review  -=>"};
    EXPECT_EQ(board.review("Gossip"), review);
}

TEST(FileTreeTest, PathsAreNormalisedAndEscapesRefused) {
    EXPECT_EQ(FileTree::directoryPath("d/town"), "/d/town/");
    EXPECT_EQ(FileTree::directoryPath("/d/town/"), "/d/town/");
    EXPECT_EQ(FileTree::directoryPath(""), "/");
    EXPECT_EQ(FileTree::filePath("d/town/orc.c"), "/d/town/orc.c");
    for (const auto* bad : {"/d/../etc/passwd", "/d/./x.c", "//x.c", "/d/", ".."}) {
        EXPECT_FALSE(FileTree::filePath(bad)) << bad;
    }
    FileTree tree;
    EXPECT_EQ(tree.subdirectories("/d/"), (std::vector<std::string>{"marsh", "town"}));
    EXPECT_EQ(tree.files("/d/town/"),
              (std::vector<std::string>{"orc.c", "orc.h", "square.c", "tavern.c"}));
}

} // namespace
} // namespace vesk::sim
