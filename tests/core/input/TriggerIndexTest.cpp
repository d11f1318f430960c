#include "input/TriggerIndex.h"

#include <gtest/gtest.h>

#include <random>

namespace vesk {
namespace {

// What the index must agree with: every trigger that can fire, tried one by one.
std::vector<int> naiveMatches(const std::vector<TriggerRecord>& triggers, std::string_view line) {
    std::vector<int> matches;
    for (std::size_t position = 0; position < triggers.size(); ++position) {
        const TriggerRecord& trigger = triggers[position];
        if (trigger.enabled != 0 && !trigger.pattern.empty() && !trigger.command.empty() &&
            line.starts_with(trigger.pattern)) {
            matches.push_back(static_cast<int>(position));
        }
    }
    return matches;
}

std::vector<int> indexMatches(const TriggerIndex& index, std::string_view line) {
    std::vector<int> matches;
    index.collectMatches(line, matches);
    return matches;
}

TEST(TriggerIndexTest, PatternsThatBeginEachOther) {
    const std::vector<TriggerRecord> triggers = {{"You are hungry", "a", 1},
                                                 {"You", "b", 1},
                                                 {"You are", "c", 1},
                                                 {"Your", "d", 1},
                                                 {"You", "e", 1},
                                                 {"Yo", "f", 0},
                                                 {"You are hungry!", "g", 1},
                                                 {"\xff\x80", "h", 1}};
    TriggerIndex index;
    index.build(triggers);
    EXPECT_EQ(index.size(), 7u);
    EXPECT_EQ(indexMatches(index, "You are hungry."), (std::vector<int>{0, 1, 2, 4}));
    EXPECT_EQ(indexMatches(index, "Your turn"), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(indexMatches(index, "Yo"), (std::vector<int>{}));
    EXPECT_EQ(indexMatches(index, "\xff\x80\x81"), (std::vector<int>{7}));
}

// Patterns and lines over a three-letter alphabet share long prefixes, so every shape of the
// tree is met: splits in the middle of an edge, patterns ending on inner nodes, duplicates.
TEST(TriggerIndexTest, AgreesWithTryingEveryTrigger) {
    std::mt19937 random(20240611);
    auto text = [&random](int longest) {
        std::string result(std::uniform_int_distribution<int>(0, longest)(random), 'a');
        for (char& byte : result) {
            byte = static_cast<char>('a' + std::uniform_int_distribution<int>(0, 2)(random));
        }
        return result;
    };
    for (int round = 0; round < 50; ++round) {
        std::vector<TriggerRecord> triggers;
        const int count = std::uniform_int_distribution<int>(0, 60)(random);
        for (int made = 0; made < count; ++made) {
            triggers.push_back(
                {text(6), text(1), std::uniform_int_distribution<int>(0, 4)(random)});
        }
        TriggerIndex index;
        index.build(triggers);
        for (int line = 0; line < 200; ++line) {
            const std::string received = text(9);
            ASSERT_EQ(indexMatches(index, received), naiveMatches(triggers, received))
                << "round " << round << " line '" << received << "'";
        }
    }
}

TEST(TriggerIndexTest, EmptyIndexMatchesNothing) {
    TriggerIndex index;
    EXPECT_TRUE(indexMatches(index, "You").empty());
    index.build({});
    EXPECT_TRUE(indexMatches(index, "You").empty());
}

} // namespace
} // namespace vesk
