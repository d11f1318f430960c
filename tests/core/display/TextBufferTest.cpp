#include "display/TextBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesk {
namespace {

std::vector<std::string> texts(const TextBuffer& buffer) {
    std::vector<std::string> result;
    for (int index = 0; index < buffer.LineCount(); ++index) {
        result.emplace_back(buffer.line(index).text);
    }
    return result;
}

TEST(TextBuffer, CapacityGrowsByAHundredAtTheHundredAndSixthLine) {
    TextBuffer buffer;
    EXPECT_EQ(buffer.LineCount(), 0);
    EXPECT_EQ(buffer.lastIndex(), -1);
    EXPECT_EQ(buffer.slotCount(), 105);
    for (int line = 0; line < 105; ++line) {
        buffer.AddString("x\n");
    }
    EXPECT_EQ(buffer.capacity(), 100);
    buffer.AddString("x\n");
    EXPECT_EQ(buffer.capacity(), 200);
    EXPECT_EQ(buffer.slotCount(), 205);
}

TEST(TextBuffer, AddTextContinuesAndSplitsLines) {
    struct Case {
        const char* name;
        std::vector<std::string> chunks;
        std::vector<int> results;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"partial then continued", {"abc", "def\n"}, {1, -1}, {"abcdef\n"}},
        {"partial then a line break", {"abc", "\ndef\n"}, {1, 1}, {"abc", "def\n"}},
        {"two breaks after a complete line",
         {"x\n", "\n\nword\n"},
         {1, 1},
         {"x\n", "\n", "\n", "word\n"}},
        {"lone carriage return", {"\r"}, {0}, {}},
        {"carriage return then a word", {"\rword\n"}, {1}, {"word\n"}},
        {"empty chunk", {""}, {0}, {}},
        {"break after a partial line with nothing behind", {"abc", "\n"}, {1, 1}, {"abc", ""}},
        {"continuing an empty partial line", {"abc", "\n", "xyz\n"}, {1, 1, -1}, {"abc", "xyz\n"}},
        {"an empty line stored before a last carriage return counts",
         {"x\n", "\r\n\r"},
         {1, 1},
         {"x\n", "\n"}},
    };
    for (const auto& c : cases) {
        TextBuffer buffer;
        std::vector<int> results;
        for (const auto& chunk : c.chunks) {
            results.push_back(buffer.AddText(chunk));
        }
        EXPECT_EQ(results, c.results) << c.name;
        EXPECT_EQ(texts(buffer), c.lines) << c.name;
    }
}

// Many lines deleted in one pass keep the others in order and count as one change.
TEST(TextBuffer, DeleteLinesRemovesTheGivenIndicesInOnePass) {
    TextBuffer buffer;
    for (const char* text : {"a\n", "b\n", "c\n", "d\n", "e\n"}) {
        buffer.AddString(text);
    }
    const auto before = buffer.revision();
    buffer.deleteLines({1, 2, 4});
    EXPECT_EQ(texts(buffer), (std::vector<std::string>{"a\n", "d\n"}));
    EXPECT_EQ(buffer.revision(), before + 1);
    buffer.deleteLines({7});
    buffer.deleteLines({});
    EXPECT_EQ(buffer.LineCount(), 2);
}

TEST(TextBuffer, JoinedLineIsDispatchedAfresh) {
    TextBuffer buffer;
    buffer.AddText("abc");
    buffer.setHandled(0, 1);
    buffer.AddText("def\n");
    EXPECT_EQ(buffer.line(0).handled, 0);
}

TEST(TextBuffer, WrapsAtTheWidthButNotControlLines) {
    TextBuffer buffer;
    buffer.AddString(std::string(200, 'a'));
    ASSERT_EQ(buffer.LineCount(), 3);
    EXPECT_EQ(buffer.line(0).text.size(), 80u);
    EXPECT_EQ(buffer.line(1).text.size(), 80u);
    EXPECT_EQ(buffer.line(2).text.size(), 40u);

    TextBuffer control;
    control.AddString("##VESK" + std::string(144, 'x'));
    EXPECT_EQ(control.LineCount(), 1);
}

// A width of 0 leaves the breaking to the pane: lines are stored whole up to a generous bound
// (they used to be cut after every single column).
TEST(TextBuffer, AWidthOfZeroStoresLinesWholeUpToTheBound) {
    for (const int width : {0, -5}) {
        TextBuffer buffer;
        buffer.setWrapWidth(width);
        buffer.AddString(std::string(200, 'a') + "\n");
        ASSERT_EQ(buffer.LineCount(), 1) << width;
        buffer.AddString(std::string(2 * TextBuffer::paneWidthBound + 10, 'b'));
        EXPECT_EQ(buffer.LineCount(), 4) << width;
        EXPECT_EQ(buffer.line(1).text.size(), static_cast<std::size_t>(TextBuffer::paneWidthBound));
    }
}

TEST(TextBuffer, PlainLineKeepsDisplayableBytesAndEveryByteAboveAscii) {
    TextBuffer buffer;
    buffer.AddString("\x1b[31mred\x1b[0;37;40m\tx\n");
    buffer.AddString("a\x1b[3");
    buffer.AddString("\x01\x7f\xff"
                     "b\x1b"
                     "c\r");
    buffer.AddString("caf\xc3\xa9\n");
    EXPECT_EQ(buffer.GetPlainLine(0), "redx");
    EXPECT_EQ(buffer.GetPlainLine(1), "a");
    EXPECT_EQ(buffer.GetPlainLine(2), "\xff"
                                      "bc");
    EXPECT_EQ(buffer.GetPlainLine(3), "caf\xc3\xa9");
    EXPECT_EQ(buffer.GetPlainLine(4), std::nullopt);
    EXPECT_EQ(buffer.GetPlainLine(-1), std::nullopt);
    // As characters: a line that is not UTF-8 is Latin-1, one that is stays as it is.
    EXPECT_EQ(buffer.getPlainCharacters(2), "\xc3\xbf"
                                            "bc");
    EXPECT_EQ(buffer.getPlainCharacters(3), "caf\xc3\xa9");
    EXPECT_EQ(buffer.getPlainCharacters(4), std::nullopt);
}

TEST(TextBuffer, ClearLeavesOneBlankLine) {
    TextBuffer buffer;
    buffer.AddString("one\n");
    buffer.AddString("two\n");
    buffer.Clear();
    EXPECT_EQ(texts(buffer), std::vector<std::string>{" \n"});
    EXPECT_EQ(buffer.capacity(), 100);
}

TEST(TextBuffer, DeleteLineMovesLaterLinesWithTheirMarks) {
    TextBuffer buffer;
    for (const char* text : {"a\n", "b\n", "c\n"}) {
        buffer.AddString(text);
    }
    buffer.setHandled(1, 3);
    buffer.setHandled(2, 1);
    buffer.DeleteLine(0);
    EXPECT_EQ(texts(buffer), (std::vector<std::string>{"b\n", "c\n"}));
    EXPECT_EQ(buffer.line(0).handled, 3);
    EXPECT_EQ(buffer.line(1).handled, 1);
    buffer.DeleteLine(1);
    buffer.DeleteLine(5);
    buffer.DeleteLine(-1);
    EXPECT_EQ(texts(buffer), std::vector<std::string>{"b\n"});
    buffer.AppendToLine(0, "more");
    buffer.AppendToLine(3, "ignored");
    EXPECT_EQ(buffer.line(0).text, "b\nmore");
}

} // namespace
} // namespace vesk
