// The server's half of the challenge handshake: what it issues and which replies it accepts.
#include "commands/ChallengeCheck.h"

#include <gtest/gtest.h>

namespace vesk::sim {
namespace {

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

} // namespace
} // namespace vesk::sim
