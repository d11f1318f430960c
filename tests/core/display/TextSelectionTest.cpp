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
    EXPECT_EQ(selection.selectedText("\r\n"), "line\r\nsecond line\r\nthi");
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
    EXPECT_EQ(QueryText(buffer, "\r\n"), "first line\r\nsecond line\r\nthird");
    EXPECT_EQ(QueryText(buffer, "\n"), "first line\nsecond line\nthird");
    EXPECT_EQ(QueryText(TextBuffer(), "\r\n"), "  ");
}

TEST_F(TextSelectionTest, CopiedLinesEndTheWayThePlatformsDo) {
    selection.begin(TextPosition{0, 6});
    selection.end(TextPosition{1, 6});
#ifdef _WIN32
    EXPECT_EQ(selection.selectedText(), "line\r\nsecond");
    EXPECT_EQ(QueryText(buffer), "first line\r\nsecond line\r\nthird");
#else
    EXPECT_EQ(selection.selectedText(), "line\nsecond");
    EXPECT_EQ(QueryText(buffer), "first line\nsecond line\nthird");
#endif
}

TEST_F(TextSelectionTest, SelectAllTakesTheWholeScrollBack) {
    selection.selectAll();
    EXPECT_EQ(selection.selectedText("\n"), "first line\nsecond line\nthird");
    selection.clear();
    TextBuffer empty;
    TextSelection none{empty};
    none.selectAll();
    EXPECT_FALSE(none.hasRange());
}

// Columns count characters: UTF-8 and Latin-1 lines copy whole characters, as UTF-8.
TEST(TextSelectionCharacters, CopiesCharactersNotBytes) {
    TextBuffer buffer;
    buffer.AddString("caf\xc3\xa9 \xe2\x86\x92 bar\n");
    buffer.AddString("na\xefve \xdf\n");
    TextSelection selection{buffer};
    selection.begin(TextPosition{0, 3});
    selection.end(TextPosition{1, 3});
    EXPECT_EQ(selection.selectedText("\n"), "\xc3\xa9 \xe2\x86\x92 bar\nna\xc3\xaf");
    selection.begin(TextPosition{0, 5});
    selection.end(TextPosition{0, 6});
    EXPECT_EQ(selection.selectedText(), "\xe2\x86\x92");
    EXPECT_EQ(QueryText(buffer, "\n"), "caf\xc3\xa9 \xe2\x86\x92 bar\nna\xc3\xafve \xc3\x9f");
    selection.selectAll();
    EXPECT_EQ(buffer.selEndCol, 7);
}

TEST(WordAtTest, WordsAndLinks) {
    const std::string plain = "Visit www.fenmarch.org, then ask a";
    EXPECT_EQ(WordAt(plain, 12, linkDelimiters), "www.fenmarch.org");
    EXPECT_EQ(WordAt(plain, 12, examineDelimiters), "fenmarch");
    EXPECT_EQ(WordAt(plain, 33, examineDelimiters), std::nullopt) << "one character";
    EXPECT_EQ(WordAt(plain, 5, examineDelimiters), std::nullopt) << "on a delimiter";
    EXPECT_EQ(WordAt(plain, 99, examineDelimiters), std::nullopt);
    const std::string accented = "Ask Zo\xc3\xab, caf\xc3\xa9.example or \xc3\xa9";
    EXPECT_EQ(WordAt(accented, 5, examineDelimiters), "Zo\xc3\xab");
    EXPECT_EQ(WordAt(accented, 10, linkDelimiters), "caf\xc3\xa9.example");
    EXPECT_EQ(WordAt(accented, 10, examineDelimiters), "caf\xc3\xa9");
    EXPECT_EQ(WordAt(accented, 25, examineDelimiters), std::nullopt) << "one character";
    EXPECT_EQ(linkAddress("https://x.org"), "https://x.org");
    EXPECT_EQ(linkAddress("x.org"), "http://x.org");
}

} // namespace
} // namespace vesk
