#include "protocol/ChallengeCipher.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(ChallengeCipher, DecipherUndoesEncipherOverTheWholeRange) {
    const ChallengePair pairs[] = {
        {0, 0}, {1, 2}, {-1, -1}, {INT32_MIN, INT32_MAX}, {123456789, -987654321}};
    for (const auto& pair : pairs) {
        EXPECT_EQ(decipherChallenge(encipherChallenge(pair)), pair);
        EXPECT_EQ(encipherChallenge(decipherChallenge(pair)), pair);
    }
}

TEST(ChallengeCipher, KnownPairsFromAnIndependentReference) {
    // Values computed outside the project with plain big-integer arithmetic, so a slip in a
    // shift, a key word's position or the round constant shows up here.
    EXPECT_EQ(decipherChallenge({1, 2}, {0, 0, 0, 0}), (ChallengePair{874710812, -1607926227}));
    EXPECT_EQ(decipherChallenge({123456, -654321}), (ChallengePair{717123770, 908976074}));
    // A negative first word must shift in ones (an arithmetic shift).
    EXPECT_EQ(decipherChallenge({-2048, 77}), (ChallengePair{1503706478, 1182543839}));
}

} // namespace
} // namespace vesk
