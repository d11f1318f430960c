#include "display/DisplayRows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesk {
namespace {

// Cells of a plain text where every character is `width` wide.
std::vector<RowCell> cellsOf(const std::string& text, double width = 10) {
    std::vector<RowCell> cells;
    for (const char character : text) {
        cells.push_back({width, character == ' '});
    }
    return cells;
}

std::vector<int> rowsOf(const std::vector<RowCell>& cells, double available) {
    std::vector<int> starts;
    breakIntoRows(cells, available, starts);
    return starts;
}

TEST(DisplayRows, ALineWiderThanThePaneBreaksAtBlanks) {
    struct Case {
        const char* name;
        std::string text;
        double available;
        std::vector<int> starts;
    };
    const Case cases[] = {
        {"fits", "black water", 110, {0}},
        {"exactly fits", "abcd", 40, {0}},
        {"empty line is one row", "", 40, {0}},
        {"after the last blank that fits", "black water. Something grunts", 130, {0, 13, 23}},
        {"no blank: before the character that does not fit", "abcdefghij", 40, {0, 4, 8}},
        {"a blank that does not fit stays on its row", "abcd efgh", 40, {0, 5}},
        {"a long word after a blank", "ab cdefghijk", 40, {0, 3, 7, 11}},
        {"narrower than one character: one a row", "abc", 5, {0, 1, 2}},
        {"a pane without width breaks nothing", "abcdef", 0, {0}},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(rowsOf(cellsOf(test.text), test.available), test.starts) << test.name;
    }
}

// Widths are sums of fractional advances: a row that fits within rounding stays whole.
TEST(DisplayRows, FractionalWidthsThatAddUpToThePaneFit) {
    EXPECT_EQ(rowsOf(cellsOf("abcdefghij", 7.8), 78), (std::vector<int>{0}));
    EXPECT_EQ(rowsOf(cellsOf("abcdefghijk", 7.8), 78), (std::vector<int>{0, 10}));
}

// Tabs widen the character after them; wide characters (a fallback font's) take their width.
TEST(DisplayRows, UnevenCellsBreakByWidth) {
    const std::vector<RowCell> cells = {
        {10, false}, {40, false}, {10, true}, {20, false}, {20, false}};
    EXPECT_EQ(rowsOf(cells, 60), (std::vector<int>{0, 3}));
}

} // namespace
} // namespace vesk
