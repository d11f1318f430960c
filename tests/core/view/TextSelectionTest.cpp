#include "display/TextSelection.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

class TextSelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        buffer.AddString("first line\n");
        buffer.AddString("\x1b[31msecond\x1b[0;37;40m line\n");
        buffer.AddString("third\n");
    }
    TextBuffer buffer;
    TextSelection selection{buffer};
};

TEST_F(TextSelectionTest, DragBackwardsIsNormalisedAndCopiesAcrossLines) {
    selection.begin(TextPosition{2, 3});
    EXPECT_FALSE(selection.selectedText()) << "a selection being dragged copies nothing";
    selection.drag(TextPosition{0, 6});
    EXPECT_EQ(buffer.selStartLine, 0);
    EXPECT_EQ(buffer.selEndLine, 2);
    selection.end(TextPosition{0, 6});
    EXPECT_EQ(selection.selectedText(), "line\r\nsecond line\r\nthi");
}

TEST_F(TextSelectionTest, ClickWithoutDragIsEmptyAndReleaseOutsideDropsIt) {
    selection.begin(TextPosition{1, 2});
    selection.end(TextPosition{1, 2});
    EXPECT_EQ(selection.selectedText(), "");
    selection.begin(TextPosition{1, 2});
    selection.end(std::nullopt);
    EXPECT_FALSE(selection.hasRange());
    EXPECT_FALSE(selection.selectedText());
}

TEST_F(TextSelectionTest, QueryTextJoinsAllLinesAndAnEmptyBufferGivesTwoBlanks) {
    EXPECT_EQ(QueryText(buffer, true), "first line\r\nsecond line\r\nthird");
    EXPECT_EQ(QueryText(buffer, false), "first line\nsecond line\nthird");
    EXPECT_EQ(QueryText(TextBuffer(), true), "  ");
}

TEST(WordAtTest, WordsAndLinks) {
    const std::string plain = "Visit www.fenmarch.org, then ask a";
    EXPECT_EQ(WordAt(plain, 12, linkDelimiters), "www.fenmarch.org");
    EXPECT_EQ(WordAt(plain, 12, examineDelimiters), "fenmarch");
    EXPECT_EQ(WordAt(plain, 33, examineDelimiters), std::nullopt) << "one character";
    EXPECT_EQ(WordAt(plain, 5, examineDelimiters), std::nullopt) << "on a delimiter";
    EXPECT_EQ(WordAt(plain, 99, examineDelimiters), std::nullopt);
    EXPECT_EQ(LinkAddress("https://x.org"), "https://x.org");
    EXPECT_EQ(LinkAddress("x.org"), "http://x.org");
}

} // namespace
} // namespace vesk
