#include "display/Search.h"

#include <gtest/gtest.h>

#include <span>

namespace vesk {
namespace {

TextBuffer bufferOf(std::initializer_list<std::string_view> lines) {
    TextBuffer buffer;
    for (const std::string_view line : lines) {
        buffer.AddString(std::string(line) + "\n");
    }
    return buffer;
}

struct SearchCase {
    const char* name;
    std::string text;
    TextPosition start;
    bool matchCase;
    bool backwards;
    std::optional<TextPosition> found;
};

void expectSearches(const TextBuffer& buffer, std::span<const SearchCase> cases) {
    for (const SearchCase& c : cases) {
        EXPECT_EQ(Search(buffer, c.text, c.start.line, c.start.column, c.matchCase, c.backwards),
                  c.found)
            << c.name;
    }
}

TEST(Search, FindsInPlainTextForwardsAndBackwards) {
    const TextBuffer buffer = bufferOf({
        "the Dragon sleeps",         // 0
        "aaab",                      // 1
        "\x1b[31mred\x1b[0m dragon", // 2: plain text "red dragon"
        "ab",                        // 3
        "dragon dragon",             // 4
    });
    const SearchCase cases[] = {
        {"ignoring case", "DRAGON", {0, 0}, false, false, TextPosition{0, 4}},
        {"matching case skips other case", "dragon", {0, 0}, true, false, TextPosition{2, 4}},
        {"partial match restarts forwards", "aab", {1, 0}, true, false, TextPosition{1, 1}},
        {"partial match restarts backwards", "aab", {1, 3}, true, true, TextPosition{1, 1}},
        {"columns count plain text", "red", {2, 0}, true, false, TextPosition{2, 0}},
        {"start column on the start line", "dragon", {4, 1}, true, false, TextPosition{4, 7}},
        {"later lines from column 0", "ab", {1, 3}, true, false, TextPosition{3, 0}},
        {"backwards ends at or before the start column",
         "dragon",
         {4, 11},
         true,
         true,
         TextPosition{4, 0}},
        {"backwards match ending exactly at the start column",
         "dragon",
         {4, 12},
         true,
         true,
         TextPosition{4, 7}},
        {"backwards earlier lines from their end",
         "dragon",
         {3, 0},
         false,
         true,
         TextPosition{2, 4}},
        {"a line shorter than the text is skipped", "aaab", {3, 1}, true, true, TextPosition{1, 0}},
        {"missing forwards", "wyrm", {0, 0}, false, false, std::nullopt},
        {"missing backwards", "wyrm", {4, 12}, false, true, std::nullopt},
        {"start past the last line", "ab", {9, 0}, true, true, std::nullopt},
        {"empty text", "", {0, 0}, true, false, std::nullopt},
    };
    expectSearches(buffer, cases);
}

// Columns count characters: a match after "café" or "Ωmega" starts where the view draws it,
// in a UTF-8 line and in a Latin-1 one alike; "É" and "é" are one letter ignoring case.
TEST(Search, FindsCharactersInUtf8AndLatin1Lines) {
    const TextBuffer buffer = bufferOf({
        "caf\xc3\xa9 orc \xce\xa9mega", // 0: UTF-8
        "caf\xe9 orc",                  // 1: Latin-1
        "CAF\xc3\x89 \xe2\x86\x92 orc", // 2: UTF-8
    });
    const SearchCase cases[] = {
        {"after a two-byte character", "orc", {0, 0}, true, false, TextPosition{0, 5}},
        {"a UTF-8 text in a UTF-8 line", "\xce\xa9mega", {0, 0}, true, false, TextPosition{0, 9}},
        {"a UTF-8 text finds a Latin-1 line",
         "caf\xc3\xa9 orc",
         {1, 0},
         true,
         false,
         TextPosition{1, 0}},
        {"after a Latin-1 character", "orc", {1, 0}, true, false, TextPosition{1, 5}},
        {"the start column counts characters", "orc", {2, 7}, true, false, TextPosition{2, 7}},
        {"accented capitals ignoring case",
         "caf\xc3\xa9",
         {2, 0},
         false,
         false,
         TextPosition{2, 0}},
        {"accented capitals matching case", "caf\xc3\xa9", {2, 0}, true, false, std::nullopt},
        {"backwards from a column counted in characters",
         "orc",
         {2, 9},
         true,
         true,
         TextPosition{2, 7}},
        {"backwards before the match's end", "orc", {2, 8}, true, true, TextPosition{1, 5}},
    };
    expectSearches(buffer, cases);
    EXPECT_EQ(LastPosition(buffer), (TextPosition{2, 9}));
}

TEST(Search, LastPositionIsTheEndOfTheLastLine) {
    EXPECT_EQ(LastPosition(bufferOf({"one", "three"})), (TextPosition{1, 4}));
    EXPECT_EQ(LastPosition(bufferOf({"one", "x"})), (TextPosition{1, 0}));
    EXPECT_EQ(LastPosition(TextBuffer()), (TextPosition{-1, 0}));
}

TEST(ScrollToLine, BringsTheLineIntoSight) {
    struct Case {
        const char* name;
        int line, position, page, lastIndex;
        int expected;
    };
    const Case cases[] = {
        {"visible stays", 95, 100, 20, 99, 100},
        {"bottom row visible", 99, 100, 20, 99, 100},
        {"far above goes half a page above the bottom", 10, 100, 20, 99, 20},
        {"near the end shows the end", 85, 70, 20, 99, 100},
        {"exactly a page before the end shows the end", 79, 70, 20, 99, 100},
        {"past the last line", 120, 100, 20, 99, 130},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScrollToLine(c.line, c.position, c.page, c.lastIndex), c.expected) << c.name;
    }
}

} // namespace
} // namespace vesk
