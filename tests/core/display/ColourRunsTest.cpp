#include "display/ColourRuns.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

struct Piece {
    std::string text;
    int colour;
    bool bold;
    bool operator==(const Piece&) const = default;
};

std::vector<Piece> pieces(std::string_view line, SgrState start = {}) {
    std::vector<ColourRun> runs;
    ColourRuns::read(line, start, runs);
    std::vector<Piece> result;
    for (const ColourRun& run : runs) {
        result.push_back({run.text, run.colour.colourIndex, run.colour.bold});
    }
    return result;
}

TEST(ColourRunsTest, KnownSequencesColourTheTextThatFollows) {
    struct Case {
        const char* name;
        std::string line;
        std::vector<Piece> expected;
    };
    const std::vector<Case> cases = {
        {"red, bold red, reset",
         "\x1b[31mone\x1b[1mtwo\x1b[0;37;40mthree",
         {{"one", 1, false}, {"two", 1, true}, {"three", 7, false}}},
        {"yellow is 33", "\x1b[33my", {{"y", 6, false}}},
        {"blue is 34", "\x1b[34mb", {{"b", 3, false}}},
        {"plain reset resets", "\x1b[1;32mg\x1b[0mh", {{"g", 2, true}, {"h", 7, false}}},
        {"combined forms apply in order", "\x1b[1;31mx", {{"x", 1, true}}},
        {"cut short at the line's end applies", "a\x1b[33", {{"a", 7, false}}},
        {"lone ESC draws nothing",
         "\x1b[33mConnected!\x1b[0;37;40m\x1b",
         {{"Connected!", 6, false}}},
        {"ESC not followed by [ is dropped",
         "a\x1b"
         "b",
         {{"ab", 7, false}}},
        {"control bytes are dropped, a byte above 0x7F is Latin-1",
         "a\x01\x7f\xff\rb\n",
         {{"a\xc3\xbf"
           "b",
           7, false}}},
        {"a UTF-8 line is read as UTF-8",
         "caf\xc3\xa9 \x1b[32m\xe2\x86\x92",
         {{"caf\xc3\xa9 ", 7, false}, {"\xe2\x86\x92", 2, false}}},
        {"tab is four blanks of its own",
         "a\tb",
         {{"a", 7, false}, {"    ", 7, false}, {"b", 7, false}}},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(pieces(test.line), test.expected) << test.name;
    }
}

TEST(ColourRunsTest, StateCarriesIntoTheNextRowAndAShortSequenceAtTheEndApplies) {
    std::vector<ColourRun> runs;
    const SgrState afterFirst = ColourRuns::read("\x1b[32mgreen", {}, runs);
    EXPECT_EQ(afterFirst, (SgrState{2, false}));
    EXPECT_EQ(pieces("plain", afterFirst), (std::vector<Piece>{{"plain", 2, false}}));
    EXPECT_EQ(ColourRuns::read("x\x1b[33", {}, runs), (SgrState{6, false}));
}

TEST(ColourRunsTest, PlainColumnsSkipTabsAndSequences) {
    std::vector<ColourRun> runs;
    ColourRuns::read("\x1b[31mred\x1b[0;37;40m\tx", {}, runs);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].plainStart, 0);
    EXPECT_EQ(runs[0].plainLength, 3);
    EXPECT_EQ(runs[1].plainLength, 0);
    EXPECT_EQ(runs[2].plainStart, 3);
}

// Columns count characters: a two-byte character is one column, in UTF-8 and in Latin-1.
TEST(ColourRunsTest, PlainColumnsCountCharacters) {
    std::vector<ColourRun> runs;
    for (const std::string& line :
         {std::string("\xc3\x9f\xce\xa9\x1b[31mx"), std::string("\xdf\xe9\x1b[31mx")}) {
        ColourRuns::read(line, {}, runs);
        ASSERT_EQ(runs.size(), 2u);
        EXPECT_EQ(runs[0].plainLength, 2);
        EXPECT_EQ(runs[1].plainStart, 2);
    }
    EXPECT_EQ(runs[0].text, "\xc3\x9f\xc3\xa9") << "Latin-1 read as characters";
}

TEST(ColourRunsTest, AnUnterminatedHugeSequenceIsSkippedWhole) {
    std::string line = "ab\x1b[";
    line.append(100000, '1');
    EXPECT_EQ(pieces(line), (std::vector<Piece>{{"ab", 7, false}}));
    line += "mcd";
    EXPECT_EQ(pieces(line), (std::vector<Piece>{{"abcd", 7, false}}));
}

} // namespace
} // namespace vesk
