#include "display/ArrivingText.h"
#include "display/TextBuffer.h"
#include "display/TextOffsets.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

// The receive path stores a read line by line; each piece here is one such line.
void receive(TextBuffer& buffer, std::initializer_list<std::string> lines) {
    for (const std::string& line : lines) {
        buffer.AddText(line);
    }
}

std::vector<std::string> texts(const std::vector<ArrivedText>& arrived) {
    std::vector<std::string> result;
    for (const ArrivedText& each : arrived) {
        result.push_back(each.text);
    }
    return result;
}

// A prompt is told of when it arrives; the rest of its row only once it comes, not again.
TEST(ArrivingTextTest, TellsOfNewRowsAndOfWhatAnUnfinishedRowGains) {
    TextBuffer buffer;
    ArrivingText arriving(buffer);
    receive(buffer, {"Welcome to \x1b[31mFenmarch\x1b[0;37;40m\n", "\n", "What is your name? "});
    EXPECT_EQ(texts(arriving.take()),
              (std::vector<std::string>{"Welcome to Fenmarch", "What is your name? "}));
    EXPECT_TRUE(arriving.take().empty()) << "nothing new";
    buffer.AddText("tamsin\n");
    const auto rest = arriving.take();
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0].text, "tamsin");
    EXPECT_EQ(rest[0].start, (TextPosition{2, 19}));
    buffer.AddText("You are in the hall.\n");
    EXPECT_EQ(texts(arriving.take()), (std::vector<std::string>{"You are in the hall."}));
}

TEST(ArrivingTextTest, MarksEchoedRowsAndStartsAfreshAfterAClear) {
    TextBuffer buffer;
    ArrivingText arriving(buffer);
    buffer.AddText("HP: 10/10 > ");
    arriving.take();
    buffer.AddText("look\n");
    buffer.markEchoedFrom(0);
    buffer.AddText("A dark room.\n");
    const auto arrived = arriving.take();
    ASSERT_EQ(arrived.size(), 2u);
    EXPECT_EQ(arrived[0], (ArrivedText{{0, 12}, "look", true}));
    EXPECT_EQ(arrived[1], (ArrivedText{{1, 0}, "A dark room.", false}));
    buffer.AddText("more\n");
    buffer.AddText("and more\n");
    arriving.take();
    buffer.Clear();
    EXPECT_TRUE(arriving.take().empty()) << "the blank row a cleared pane shows is not news";
    buffer.AddText("after\n");
    EXPECT_EQ(texts(arriving.take()), (std::vector<std::string>{"after"}));
}

// A line stored wrapped is one piece of news and one line of the text a reader reads.
TEST(ArrivingTextTest, AWrappedLineArrivesWhole) {
    TextBuffer buffer;
    buffer.setWrapWidth(20);
    ArrivingText arriving(buffer);
    TextOffsets offsets(buffer);
    const std::string line = "The big orc swings at you and misses by a hair";
    receive(buffer, {"before\n", line + "\n", "after\n"});
    ASSERT_GT(buffer.LineCount(), 4);
    EXPECT_EQ(texts(arriving.take()), (std::vector<std::string>{"before", line, "after"}));
    EXPECT_EQ(offsets.text(0, offsets.characterCount()), "before\n" + line + "\nafter");
    EXPECT_EQ(offsets.lineAround(2), (std::pair<int, int>{1, buffer.LineCount() - 2}));
}

TEST(ArrivingTextTest, SkippingLeavesOnlyWhatComesAfter) {
    TextBuffer buffer;
    ArrivingText arriving(buffer);
    receive(buffer, {"old\n", "older\n"});
    arriving.skipToEnd();
    buffer.AddText("new\n");
    EXPECT_EQ(texts(arriving.take()), (std::vector<std::string>{"new"}));
}

TEST(TextOffsetsTest, RowsJoinedByALineFeedCountedInCharacters) {
    TextBuffer buffer;
    receive(buffer, {"ab\n", "\x1b[32mcdé\x1b[0;37;40m\n", "\n", "xyz"});
    TextOffsets offsets(buffer);
    // "ab\ncdé\n\nxyz"
    EXPECT_EQ(offsets.characterCount(), 11);
    EXPECT_EQ(offsets.rowStart(1), 3);
    EXPECT_EQ(offsets.rowStart(3), 8);
    EXPECT_EQ(offsets.offsetOf({1, 2}), 5);
    EXPECT_EQ(offsets.positionOf(5), (TextPosition{1, 2}));
    EXPECT_EQ(offsets.positionOf(6), (TextPosition{1, 3})) << "the line feed after a row";
    EXPECT_EQ(offsets.positionOf(99), (TextPosition{3, 3}));
    EXPECT_EQ(offsets.text(1, 9), "b\ncdé\n\nx");
    EXPECT_EQ(offsets.text(0, offsets.characterCount()), "ab\ncdé\n\nxyz");
}

// What the receive path and the echo do: rows added, the unfinished row continued, a row just
// added deleted again; and a cleared pane. The offsets match a count made from scratch.
TEST(TextOffsetsTest, FollowChangesAtTheEndAndAClear) {
    TextBuffer buffer;
    TextOffsets offsets(buffer);
    const auto fresh = [&buffer] { return TextOffsets(buffer).characterCount(); };
    receive(buffer, {"one\n", "two\n", "thr"});
    EXPECT_EQ(offsets.characterCount(), fresh());
    receive(buffer, {"ee and a longer row\n", "four\n"});
    EXPECT_EQ(offsets.characterCount(), fresh());
    EXPECT_EQ(offsets.rowStart(3), TextOffsets(buffer).rowStart(3));
    receive(buffer, {"##VESK HP 1\n", "five\n"});
    buffer.DeleteLine(4);
    EXPECT_EQ(offsets.characterCount(), fresh());
    EXPECT_EQ(offsets.rowStart(4), TextOffsets(buffer).rowStart(4));
    buffer.Clear();
    receive(buffer, {"a much longer row than before\n", "z\n"});
    EXPECT_EQ(offsets.characterCount(), fresh());
    EXPECT_EQ(offsets.rowStart(2), TextOffsets(buffer).rowStart(2));
}

} // namespace
} // namespace vesk
