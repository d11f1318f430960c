#pragma once

#include "display/SgrState.h"
#include "display/TextBlock.h"
#include "protocol/ControlLineStart.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// One stored row of a text pane as a reader sees it: the text exactly as it arrived (colour
// sequences, tabs and a trailing line feed included) and the receive path's dispatch mark. A
// row that continues the row before it (wrapped off it) is the middle of a line, so the parser
// never reads it as the start of one: another player's words wrapped onto a row of their own
// stay words. The text is a view into the buffer, good until the buffer next changes.
struct TextLine {
    std::string_view text;
    std::int32_t handled = 0;
    bool continuesRow = false;
    // The row holds the echo of a command the client sent (a prompt it completed included), so
    // a screen reader can be spared the player's own words.
    bool echoed = false;
};

// The scroll-back store behind one text pane: the main buffer holds everything received,
// notices and echoes; the chat buffer holds echoed channel commands. Lines are wrapped when they
// are stored at the width setting (the pane breaks a stored line wider than itself into more
// rows when it draws it).
//
// Each stored line knows the colour in force at its start: the effect of every colour sequence
// before it in the buffer, worked out once when the line is stored and again only for the lines
// behind a change (a line deleted, continued or appended to). So a line draws the same whatever
// is on screen above it.
//
// Lines live in blocks of a few thousand (TextBlock): a line costs its bytes and a small fixed
// entry, never a heap string of its own. Beyond the scroll-back limit the oldest blocks are
// dropped whole; `droppedLines` counts every line dropped so far, so whoever keeps a line index
// (a selection, Find, a scrolled-back view) can move it with the text. `capacity` still
// reports the nominal size the rest of the client has always seen (100, growing by 100).
class TextBuffer {
public:
    // A control line is stored as one row so the parser sees it whole; the receive path never
    // stores a longer one.
    static constexpr std::size_t longestControlRow = longestControlLine;

    TextBuffer();

    // Stores text as one or more new lines, wrapped at the current width.
    void AddString(std::string_view text);
    // Appends received text, continuing a partial last line: 1 when a new line was stored, -1
    // when the partial last line was continued, 0 when nothing was stored. With
    // `continuesRow`, text after a complete last line goes on from a row the receive path took
    // out: its first row is marked as the middle of a line, and it is never a control row.
    int AddText(std::string_view chunk, bool continuesRow = false);
    // Stores `count` empty lines (a line feed each) as AddText stores the line breaks that follow
    // a complete last line, in one go: a flood of bare line feeds costs a few nanoseconds a line.
    void addEmptyLines(int count);
    void DeleteLine(int index);
    // Deletes the lines at the given ascending indices in one pass, so consuming many lines of
    // one read costs time linear in the lines behind the first one, not in their product.
    void deleteLines(const std::vector<int>& ascendingIndices);
    void AppendToLine(int index, std::string_view text);
    // Marks the rows from `index` to the last as the echo of a sent command.
    void markEchoedFrom(int index);
    // The line's displayable bytes: printable ASCII and every byte above 0x7F as it came;
    // colour sequences, tabs, line breaks and other control bytes left out. Files written from
    // the buffer take these bytes.
    std::optional<std::string> GetPlainLine(int index) const;
    // The same into a caller's buffer, so a scan over many lines reuses one allocation; false
    // when there is no such line.
    bool GetPlainLine(int index, std::string& plain) const;
    // The plain text as characters, in UTF-8, read by the client's one rule (the stored line
    // valid UTF-8: UTF-8, else Latin-1). Selections, Find, copying and the word under the
    // pointer count their columns in these characters.
    std::optional<std::string> getPlainCharacters(int index) const;
    bool getPlainCharacters(int index, std::string& characters) const;

    // The colour in force where a line starts (the default state for a line that does not
    // exist), and where it ends.
    SgrState colourAtStart(int index) const;
    SgrState colourAtEnd(int index) const;
    // Empties the buffer and leaves the single blank line a cleared pane shows.
    void Clear();
    void FreeAll();

    int LineCount() const { return lineCount_; }
    int lastIndex() const { return LineCount() - 1; }
    int capacity() const { return capacity_; }
    // Slots the original table kept allocated: always capacity + 5.
    int slotCount() const { return capacity_ + 5; }
    bool empty() const { return lineCount_ == 0; }
    // Counts every change to the stored lines, so a reader can tell whether anyone touched the
    // buffer since it last looked.
    std::uint64_t revision() const { return revision_; }

    TextLine line(int index) const;
    std::string_view lineText(int index) const;
    std::int32_t handled(int index) const;
    void setHandled(int index, std::int32_t mark);
    void setHandled(int first, int count, std::int32_t mark);
    // How many lines from `index` on, at most `limit`, are empty lines as a run of line breaks
    // leaves them (a line feed alone, starting a row) and not marked handled with 1.
    int emptyLinesFrom(int index, int limit) const;
    bool continuesRow(int index) const;
    // The last stored line is complete when it ends in a line feed; an empty text is partial.
    bool lastLineComplete() const;

    // Lines stored after a change use the new width; stored lines are never re-wrapped. A
    // width of 0 (or below) leaves wrapping to the pane: lines are then stored up to
    // `paneWidthBound` columns each.
    void setWrapWidth(int width) { wrapWidth_ = width; }
    int wrapWidth() const { return wrapWidth_; }
    // Far wider than any line a server means as one row, so the pane alone decides where such
    // lines break; narrow enough that continuing an unfinished line re-wraps a few kilobytes,
    // not an ever longer line.
    static constexpr int paneWidthBound = 1024;

    // How many lines the buffer keeps at least; beyond that (by less than one block) the
    // oldest blocks are dropped. 0 keeps everything.
    void setScrollbackLimit(int lines);
    int scrollbackLimit() const { return scrollbackLimit_; }
    // Every line dropped from the front since the buffer was made.
    std::uint64_t droppedLines() const { return droppedLines_; }
    // While a writer keeps line indices across several changes (the receive path over one
    // read), nothing is dropped; the oldest lines go when the last hold ends.
    class DropHold {
    public:
        explicit DropHold(TextBuffer& buffer) : buffer_(buffer) { ++buffer_.dropHolds_; }
        ~DropHold() {
            if (--buffer_.dropHolds_ == 0) {
                buffer_.dropOldestBeyondLimit();
            }
        }
        DropHold(const DropHold&) = delete;
        DropHold& operator=(const DropHold&) = delete;

    private:
        TextBuffer& buffer_;
    };
    // Bytes the buffer holds for its lines: text, entries and the room kept for the next ones.
    std::size_t storageBytes() const;

    // Called after every stored line so the pane can update its scroll bar.
    void setLinesChanged(std::function<void()> callback) { linesChanged_ = std::move(callback); }

    // The owning pane's normalised selection, all -1 when nothing is selected.
    std::int32_t selStartLine = -1, selStartCol = -1, selEndLine = -1, selEndCol = -1;

private:
    struct Place {
        std::size_t block = 0;
        std::size_t row = 0;
    };

    void storeLine(std::string_view text, bool continuesRow);
    void addRows(std::string_view text, bool firstContinues);
    // The start colours from `index` on follow the lines before them again; stops at the first
    // line whose start colour stays the same, as every line behind it then does too.
    void recolourFrom(int index);
    PackedSgrState packedColourAtEnd(int index) const;
    static bool copyPlain(std::string_view text, std::string& plain);
    void reserveNextSlot();
    // Lines are mostly read in order (painting, searching, the receive path), so the block of
    // the last look-up is tried first.
    // The receive path works on the newest lines, in the last block, which grows under any
    // remembered look-up; the rest is read a page at a time.
    Place placeOf(int index) const {
        if (!blockStarts_.empty() && index >= blockStarts_.back()) {
            return {blocks_.size() - 1, static_cast<std::size_t>(index - blockStarts_.back())};
        }
        if (index >= foundFirst_ && index < foundEnd_) {
            return {foundBlock_, static_cast<std::size_t>(index - foundFirst_)};
        }
        return findPlace(index);
    }
    Place findPlace(int index) const;
    // Blocks were removed, emptied or shortened: the last look-up no longer holds.
    void forgetPlace() const { foundFirst_ = foundEnd_ = 0; }
    TextBlock& blockFor(std::size_t bytes);
    void removeEmptyBlocksFrom(std::size_t block);
    void dropOldestBeyondLimit();
    void shiftSelection(int dropped);

    std::deque<TextBlock> blocks_;
    // The index of each block's first line.
    std::vector<int> blockStarts_;
    mutable std::size_t foundBlock_ = 0;
    mutable int foundFirst_ = 0;
    mutable int foundEnd_ = 0;
    int lineCount_ = 0;
    int capacity_ = 0;
    int wrapWidth_ = 80;
    int scrollbackLimit_ = 0;
    int dropHolds_ = 0;
    std::uint64_t droppedLines_ = 0;
    std::uint64_t revision_ = 0;
    std::function<void()> linesChanged_;
};

} // namespace vesk
