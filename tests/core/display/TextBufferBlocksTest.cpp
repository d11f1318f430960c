#include "display/FindState.h"
#include "display/TextBuffer.h"
#include "display/TextSelection.h"
#include "display/Viewport.h"

#include "FakeHost.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vesk {
namespace {

using testing::FakeHost;

std::string numbered(int number) {
    return "line " + std::to_string(number) + "\n";
}

std::vector<std::string> texts(const TextBuffer& buffer) {
    std::vector<std::string> result;
    for (int index = 0; index < buffer.LineCount(); ++index) {
        result.emplace_back(buffer.lineText(index));
    }
    return result;
}

// The buffer against a plain list of strings, through stores, continued lines, deletions in
// the middle and appends, over many blocks: every line keeps its text and its marks.
TEST(TextBufferBlocks, ManyBlocksBehaveLikeAPlainListOfLines) {
    TextBuffer buffer;
    buffer.setWrapWidth(0);
    std::vector<std::string> model;
    std::vector<int> marks;
    std::mt19937 random(19);
    for (int step = 0; step < 40000; ++step) {
        const int choice = static_cast<int>(random() % 100);
        if (choice < 70 || model.empty()) {
            const std::string text = numbered(step);
            buffer.AddString(text);
            model.push_back(text);
            marks.push_back(0);
        } else if (choice < 80) {
            std::vector<int> doomed;
            const int first = static_cast<int>(random() % model.size());
            for (int index = first; index < static_cast<int>(model.size()) && doomed.size() < 50;
                 index += 1 + static_cast<int>(random() % 3000)) {
                doomed.push_back(index);
            }
            buffer.deleteLines(doomed);
            for (auto at = doomed.rbegin(); at != doomed.rend(); ++at) {
                model.erase(model.begin() + *at);
                marks.erase(marks.begin() + *at);
            }
        } else if (choice < 90) {
            const int index = static_cast<int>(random() % model.size());
            buffer.AppendToLine(index, "+more");
            model[static_cast<std::size_t>(index)] += "+more";
        } else {
            const int index = static_cast<int>(random() % model.size());
            buffer.setHandled(index, step);
            marks[static_cast<std::size_t>(index)] = step;
        }
    }
    ASSERT_EQ(texts(buffer), model);
    for (int index = 0; index < buffer.LineCount(); ++index) {
        ASSERT_EQ(buffer.handled(index), marks[static_cast<std::size_t>(index)]) << index;
    }
}

TEST(TextBufferBlocks, APartialLineContinuedAtABlockEdgeStaysOneLine) {
    TextBuffer buffer;
    for (std::size_t line = 0; line + 1 < TextBlock::mostLines; ++line) {
        buffer.AddString("x\n");
    }
    EXPECT_EQ(buffer.AddText("prompt> "), 1);
    EXPECT_EQ(buffer.AddText("north\n"), -1);
    EXPECT_EQ(buffer.AddText("next"), 1);
    EXPECT_EQ(buffer.lineText(buffer.lastIndex() - 1), "prompt> north\n");
    EXPECT_EQ(buffer.lineText(buffer.lastIndex()), "next");
    EXPECT_EQ(buffer.LineCount(), static_cast<int>(TextBlock::mostLines) + 1);
}

// A line costs its bytes and a small fixed entry, not a heap string of its own.
TEST(TextBufferBlocks, ALineCostsItsBytesAndASmallFixedEntry) {
    TextBuffer buffer;
    const std::string line = std::string(80, 'x') + "\n";
    constexpr int lines = 100000;
    for (int count = 0; count < lines; ++count) {
        buffer.AddString(line);
    }
    const std::size_t perLine = line.size() + 16;
    EXPECT_LE(buffer.storageBytes(), lines * perLine + 2 * TextBlock::mostBytes);
}

TEST(TextBufferBlocks, BeyondTheLimitTheOldestLinesGoInWholeBlocks) {
    TextBuffer buffer;
    constexpr int limit = 10000;
    buffer.setScrollbackLimit(limit);
    std::vector<std::uint64_t> drops;
    for (int number = 0; number < 100000; ++number) {
        const std::uint64_t before = buffer.droppedLines();
        buffer.AddString(numbered(number));
        if (buffer.droppedLines() != before) {
            drops.push_back(buffer.droppedLines() - before);
        }
        ASSERT_GE(buffer.LineCount(), std::min(number + 1, limit));
        ASSERT_LT(buffer.LineCount(), limit + static_cast<int>(TextBlock::mostLines));
    }
    ASSERT_FALSE(drops.empty());
    for (const std::uint64_t dropped : drops) {
        EXPECT_GE(dropped, TextBlock::mostLines) << "never a line at a time";
    }
    EXPECT_EQ(buffer.lineText(0), numbered(static_cast<int>(buffer.droppedLines())));
    EXPECT_EQ(buffer.lineText(buffer.lastIndex()), numbered(99999));
}

TEST(TextBufferBlocks, BareLineFeedsCannotGrowTheBufferPastTheLimit) {
    TextBuffer buffer;
    buffer.setScrollbackLimit(20000);
    const std::string feeds(64 * 1024, '\n');
    std::size_t most = 0;
    for (int read = 0; read < 100; ++read) {
        buffer.AddText(feeds);
        most = std::max(most, buffer.storageBytes());
    }
    EXPECT_LT(buffer.LineCount(), 20000 + static_cast<int>(TextBlock::mostLines));
    // 6.5 million empty lines stored on the way; the buffer never held more than the limit's.
    EXPECT_LT(most, 2u * 1024 * 1024);
}

TEST(TextBufferBlocks, NothingIsDroppedWhileAWriterHoldsItsIndices) {
    TextBuffer buffer;
    buffer.setScrollbackLimit(1000);
    {
        const TextBuffer::DropHold hold(buffer);
        for (int number = 0; number < 20000; ++number) {
            buffer.AddString(numbered(number));
        }
        EXPECT_EQ(buffer.LineCount(), 20000);
        EXPECT_EQ(buffer.lineText(0), numbered(0));
    }
    EXPECT_LT(buffer.LineCount(), 1000 + static_cast<int>(TextBlock::mostLines));
    EXPECT_EQ(buffer.lineText(0), numbered(static_cast<int>(buffer.droppedLines())));
}

TEST(TextBufferBlocks, TheFirstLineKeptKeepsItsColour) {
    TextBuffer buffer;
    buffer.setScrollbackLimit(1000);
    buffer.AddString("\x1b[31mred from here\n");
    for (int number = 0; number < 6000; ++number) {
        buffer.AddString(numbered(number));
    }
    ASSERT_GT(buffer.droppedLines(), 0u);
    EXPECT_EQ(buffer.colourAtStart(0).colourIndex, 1);
}

// What keeps a line index (the selection, Find, a scrolled-back view) moves with the text.
class ScrollbackDrops : public ::testing::Test {
protected:
    void SetUp() override {
        buffer.setScrollbackLimit(limit);
        for (int number = 0; number < limit; ++number) {
            buffer.AddString(numbered(number));
        }
    }
    // Stores lines until at least one block has been dropped; the lines dropped.
    int dropSome() {
        const std::uint64_t before = buffer.droppedLines();
        for (int number = limit; buffer.droppedLines() == before; ++number) {
            buffer.AddString(numbered(1000000 + number));
        }
        return static_cast<int>(buffer.droppedLines() - before);
    }
    int indexOf(int number) const {
        for (int index = 0; index < buffer.LineCount(); ++index) {
            if (buffer.lineText(index) == numbered(number)) {
                return index;
            }
        }
        return -1;
    }

    static constexpr int limit = 10000;
    TextBuffer buffer;
    FakeHost host;
};

TEST_F(ScrollbackDrops, ASelectionMovesWithItsText) {
    TextSelection selection(buffer);
    selection.begin(TextPosition{9000, 2});
    selection.end(TextPosition{9001, 4});
    ASSERT_EQ(selection.selectedText("\n"), "ne 9000\nline");
    dropSome();
    EXPECT_EQ(selection.selectedText("\n"), "ne 9000\nline");
    EXPECT_EQ(buffer.selStartLine, indexOf(9000));
}

TEST_F(ScrollbackDrops, ADragGoesOnFromItsAnchorAcrossADrop) {
    TextSelection selection(buffer);
    selection.begin(TextPosition{9000, 0});
    dropSome();
    const int later = indexOf(9002);
    selection.end(TextPosition{later, 4});
    EXPECT_EQ(selection.selectedText("\n"), "line 9000\nline 9001\nline");
}

TEST_F(ScrollbackDrops, ASelectionThatWasDroppedIsGoneAndOneCutIsKeptFromTheTop) {
    TextSelection gone(buffer);
    gone.begin(TextPosition{0, 0});
    gone.end(TextPosition{1, 3});
    dropSome();
    EXPECT_FALSE(gone.hasRange());
    EXPECT_EQ(gone.selectedText("\n"), std::nullopt);

    TextSelection cut(buffer);
    cut.begin(TextPosition{0, 2});
    cut.end(TextPosition{9000, 4});
    const int dropped = dropSome();
    EXPECT_EQ(buffer.selStartLine, 0);
    EXPECT_EQ(buffer.selStartCol, 0);
    EXPECT_EQ(buffer.selEndLine, 9000 - dropped);
}

TEST_F(ScrollbackDrops, FindGoesOnAfterItsLastMatch) {
    FindState find(buffer, host);
    const FindState::Request request{"line 95", true, false};
    FindState::Result result = find.FindNext(request);
    ASSERT_EQ(result.outcome, FindState::Outcome::Found);
    ASSERT_EQ(buffer.lineText(result.match.line), numbered(95));
    result = find.FindNext(request);
    ASSERT_EQ(buffer.lineText(result.match.line), numbered(950));
    dropSome();
    // Line 950 and everything before it are gone: the search starts again at the top.
    result = find.FindNext(request);
    ASSERT_EQ(result.outcome, FindState::Outcome::Found);
    EXPECT_EQ(buffer.lineText(result.match.line), numbered(9500));

    FindState later(buffer, host);
    const FindState::Request text{"line 99", true, false};
    result = later.FindNext(text);
    ASSERT_EQ(buffer.lineText(result.match.line), numbered(9900));
    dropSome();
    result = later.FindNext(text);
    ASSERT_EQ(result.outcome, FindState::Outcome::Found);
    EXPECT_EQ(buffer.lineText(result.match.line), numbered(9901));
    EXPECT_EQ(buffer.selStartLine, result.match.line);
}

TEST_F(ScrollbackDrops, AScrolledBackViewKeepsShowingTheSameLines) {
    Viewport view;
    view.setPage(20);
    view.follow(buffer.LineCount());
    view.scrollTo(9000, buffer.LineCount());
    ASSERT_TRUE(view.scrolledBack());
    const int dropped = dropSome();
    view.linesDropped(dropped);
    view.follow(buffer.LineCount());
    EXPECT_EQ(view.position() - 1, indexOf(8999));

    Viewport following;
    following.follow(buffer.LineCount());
    following.linesDropped(dropSome());
    following.follow(buffer.LineCount());
    EXPECT_EQ(following.position(), buffer.LineCount());

    Viewport atTheTop;
    atTheTop.setPage(20);
    atTheTop.scrollTo(5, buffer.LineCount());
    atTheTop.linesDropped(dropSome());
    EXPECT_EQ(atTheTop.position(), 1) << "the oldest line left is shown";
    EXPECT_TRUE(atTheTop.scrolledBack());
}

} // namespace
} // namespace vesk
