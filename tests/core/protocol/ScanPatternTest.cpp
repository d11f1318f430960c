#include "protocol/ScanPattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesk {
namespace {

struct Case {
    const char* name;
    std::string line;
    std::string format;
    int conversions;
    std::vector<std::int32_t> numbers;
    std::vector<std::string_view> words;
};

TEST(ScanPattern, MatchesTheStartOfALine) {
    const Case cases[] = {
        {"two numbers", "hp: 10 sp: 5 mp: 0", "hp: %d sp: %d", 2, {10, 5}, {}},
        {"signs", "x -5 +7", "x %d %d", 2, {-5, 7}, {}},
        {"a blank in the format also matches none", "hp:10", "hp: %d", 1, {10}, {}},
        {"blanks, tabs and line breaks are alike", "hp:\t \r\n10", "hp: %d", 1, {10}, {}},
        {"a word ends at a blank", "Bob tells you: hi", "%s tells you:", 1, {}, {"Bob"}},
        {"words and numbers in their order",
         "Tamsin 12 rogue",
         "%s %d %s",
         3,
         {12},
         {"Tamsin", "rogue"}},
        {"a literal that differs stops the match", "HP: 10", "hp: %d", 0, {}, {}},
        {"letter case counts", "Hp: 10", "hp: %d", 0, {}, {}},
        {"a number that is not there stops it", "hp: x sp: 5", "hp: %d sp: %d", 0, {}, {}},
        {"what matched before the stop counts", "hp: 3 sp: x", "hp: %d sp: %d", 1, {3}, {}},
        {"a sign alone is no number", "hp: - 4", "hp: %d", 0, {}, {}},
        {"text after the format is ignored", "hp: 1 and more", "hp: %d", 1, {1}, {}},
        {"a line shorter than the format", "hp", "hp: %d", 0, {}, {}},
        {"no word at the end of the line", "say   ", "say %s", 0, {}, {}},
        {"six conversions fit, the seventh stops",
         "1 2 3 4 5 6 7",
         "%d %d %d %d %d %d %d",
         6,
         {1, 2, 3, 4, 5, 6},
         {}},
    };
    for (const auto& testCase : cases) {
        const ScanResult result = ScanPattern(testCase.line, testCase.format);
        EXPECT_EQ(result.conversions, testCase.conversions) << testCase.name;
        EXPECT_EQ(result.numbers.toVector(), testCase.numbers) << testCase.name;
        EXPECT_EQ(result.words.toVector(), testCase.words) << testCase.name;
    }
}

TEST(ScanPattern, WordsPointIntoTheLine) {
    const std::string line = "Bram says: hello";
    const ScanResult result = ScanPattern(line, "%s says:");
    ASSERT_EQ(result.words.size(), 1u);
    EXPECT_EQ(result.words[0].data(), line.data());
}

TEST(ScanPattern, PrefixesCompareByteForByte) {
    EXPECT_TRUE(hasPrefix("##VESK HP", "##VESK"));
    EXPECT_FALSE(hasPrefix("##vesk HP", "##VESK"));
    EXPECT_FALSE(hasPrefix("##VES", "##VESK"));
    EXPECT_TRUE(hasPrefix("anything", ""));
}

} // namespace
} // namespace vesk
