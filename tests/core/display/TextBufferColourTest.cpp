// The colour in force at the start of each stored line, kept by the buffer: a line's colours
// depend only on the text before it in the buffer.
#include "display/TextBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesk {
namespace {

const std::string esc = "\x1b";
constexpr SgrState white{};
constexpr SgrState red{1};
constexpr SgrState green{2};
constexpr SgrState boldRed{1, true};

std::vector<SgrState> startColours(const TextBuffer& buffer) {
    std::vector<SgrState> colours;
    for (int line = 0; line < buffer.LineCount(); ++line) {
        colours.push_back(buffer.colourAtStart(line));
    }
    return colours;
}

// Each line's start colour worked out from scratch, to compare the kept ones with.
std::vector<SgrState> recomputed(const TextBuffer& buffer) {
    TextBuffer fresh;
    fresh.setWrapWidth(100000);
    for (int line = 0; line < buffer.LineCount(); ++line) {
        fresh.AddString(buffer.line(line).text);
    }
    return startColours(fresh);
}

TEST(TextBufferColour, ALineStartsInTheColourTheLinesBeforeItLeft) {
    TextBuffer buffer;
    buffer.AddString(esc + "[1;31mred\n");
    buffer.AddString("still red\n");
    buffer.AddString(esc + "[0mplain\n");
    buffer.AddString("plain\n");
    EXPECT_EQ(startColours(buffer), (std::vector<SgrState>{white, boldRed, boldRed, white}));
    EXPECT_EQ(buffer.colourAtEnd(0), boldRed);
    EXPECT_EQ(buffer.colourAtStart(7), white) << "no such line";
}

TEST(TextBufferColour, TheRowsOfAWrappedLineCarryItsColour) {
    TextBuffer buffer;
    buffer.setWrapWidth(10);
    buffer.AddString(esc + "[32m" + std::string(25, 'g') + "\n");
    ASSERT_EQ(buffer.LineCount(), 3);
    EXPECT_EQ(startColours(buffer), (std::vector<SgrState>{white, green, green}));
}

TEST(TextBufferColour, DeletedLinesNoLongerColourTheLinesBehindThem) {
    TextBuffer buffer;
    for (const std::string& text : std::vector<std::string>{
             "a\n", esc + "[31mhidden\n", "b\n", "c\n", esc + "[32mhidden\n", "d\n", "e\n"}) {
        buffer.AddString(text);
    }
    TextBuffer single = buffer;
    single.DeleteLine(1);
    EXPECT_EQ(single.colourAtStart(1), white);
    EXPECT_EQ(startColours(single), recomputed(single));

    buffer.deleteLines({1, 4});
    EXPECT_EQ(startColours(buffer), (std::vector<SgrState>{white, white, white, white, white}));
}

TEST(TextBufferColour, ContinuingOrAppendingToALineRecoloursTheLinesBehindIt) {
    TextBuffer buffer;
    buffer.AddText("one " + esc + "[3");
    buffer.AddText("2mgreen\n");
    buffer.AddText("after\n");
    EXPECT_EQ(startColours(buffer), (std::vector<SgrState>{white, green}));

    buffer.AppendToLine(0, esc + "[31m");
    EXPECT_EQ(buffer.colourAtStart(1), red);
    buffer.AddText("new\n");
    EXPECT_EQ(buffer.colourAtStart(2), red);

    // Text appended to a line that ends inside a sequence finishes that sequence.
    TextBuffer cut;
    cut.AddString("x" + esc + "[3");
    cut.AddString("y\n");
    EXPECT_EQ(cut.colourAtStart(1), white) << "3 alone is italic, which draws nothing";
    cut.AppendToLine(0, "1m");
    EXPECT_EQ(cut.colourAtStart(1), red);
}

TEST(TextBufferColour, ClearStartsWhiteAgain) {
    TextBuffer buffer;
    buffer.AddString(esc + "[31mred\n");
    buffer.Clear();
    buffer.AddString("x\n");
    EXPECT_EQ(startColours(buffer), (std::vector<SgrState>{white, white}));
}

// The same lines give the same start colours however the reads cut them (the receive path
// hands the buffer one line, or a piece of one, at a time).
TEST(TextBufferColour, StartColoursAreTheSameForEveryCutOfALine) {
    const std::vector<std::string> lines = {"a" + esc + "[1mb\n",
                                            esc + "[31mc\n",
                                            "d" + esc + "[0;33m\n",
                                            "\n",
                                            "e" + esc + "[m\n",
                                            esc + "[38;5;196mf\n",
                                            "g\n"};
    TextBuffer whole;
    for (const std::string& line : lines) {
        whole.AddText(line);
    }
    ASSERT_EQ(startColours(whole), recomputed(whole));
    ASSERT_EQ(whole.colourAtStart(6), (SgrState{7, false, false, 0xff0000}));
    for (std::size_t index = 0; index < lines.size(); ++index) {
        for (std::size_t cut = 1; cut + 1 < lines[index].size(); ++cut) {
            TextBuffer pieces;
            for (std::size_t other = 0; other < lines.size(); ++other) {
                if (other == index) {
                    pieces.AddText(lines[other].substr(0, cut));
                    pieces.AddText(lines[other].substr(cut));
                } else {
                    pieces.AddText(lines[other]);
                }
            }
            ASSERT_EQ(startColours(pieces), startColours(whole)) << index << " " << cut;
        }
    }
}

// A stored line's fixed cost: where it ends, its marks and its start colour, twelve bytes.
TEST(TextBufferColour, TheStartColourSitsInTheLinesTwelveByteEntry) {
    EXPECT_EQ(sizeof(TextBlock::Entry), 12u);
}

} // namespace
} // namespace vesk
