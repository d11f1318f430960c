#pragma once

#include "display/SgrState.h"
#include "protocol/ControlLineStart.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// One stored row of a text pane: the text exactly as it arrived (colour sequences, tabs and a
// trailing line feed included) and the receive path's dispatch mark. The colour in force where
// the row starts is kept beside them; the buffer keeps it right and hands it out through
// colourAtStart(). A row that continues the row before it (wrapped off it) is the middle of a
// line, so the parser never reads it as the start of one: another player's words wrapped onto
// a row of their own stay words.
struct TextLine {
    std::string text;
    // The mark and the flags share four bytes: a mark counts the lines of one read, far below
    // 2^29, and every stored line pays for these fields.
    std::int32_t handled : 30 = 0;
    bool continuesRow : 1 = false;
    // The row holds the echo of a command the client sent (a prompt it completed included), so
    // a screen reader can be spared the player's own words.
    bool echoed : 1 = false;
    PackedSgrState startColour;
};

// The scroll-back store behind one text pane: the main buffer holds everything received,
// notices and echoes; the chat buffer holds echoed channel commands. Lines are wrapped when they
// are stored at the width setting (the pane breaks a stored line wider than itself into more
// rows when it draws it). Nothing is discarded until the pane is cleared.
//
// Each stored line knows the colour in force at its start: the effect of every colour sequence
// before it in the buffer, worked out once when the line is stored and again only for the lines
// behind a change (a line deleted, continued or appended to). So a line draws the same whatever
// is on screen above it.
//
// Storage is a deque, so appending is amortised O(1) without ever copying the table; `capacity`
// still reports the nominal size the rest of the client has always seen (100, growing by 100).
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

    int LineCount() const { return static_cast<int>(lines_.size()); }
    int lastIndex() const { return LineCount() - 1; }
    int capacity() const { return capacity_; }
    // Slots the original table kept allocated: always capacity + 5.
    int slotCount() const { return capacity_ + 5; }
    bool empty() const { return lines_.empty(); }
    // Counts every change to the stored lines, so a reader can tell whether anyone touched the
    // buffer since it last looked.
    std::uint64_t revision() const { return revision_; }

    const TextLine& line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    TextLine& line(int index) { return lines_[static_cast<std::size_t>(index)]; }
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

    // Called after every stored line so the pane can update its scroll bar.
    void setLinesChanged(std::function<void()> callback) { linesChanged_ = std::move(callback); }

    // The owning pane's normalised selection, all -1 when nothing is selected.
    std::int32_t selStartLine = -1, selStartCol = -1, selEndLine = -1, selEndCol = -1;

private:
    void storeLine(std::string_view text, bool continuesRow);
    void addRows(std::string_view text, bool firstContinues);
    // The start colours from `index` on follow the lines before them again; stops at the first
    // line whose start colour stays the same, as every line behind it then does too.
    void recolourFrom(int index);
    PackedSgrState packedColourAtEnd(int index) const;
    static bool copyPlain(const std::string& text, std::string& plain);
    void reserveNextSlot();

    std::deque<TextLine> lines_;
    int capacity_ = 0;
    int wrapWidth_ = 80;
    std::uint64_t revision_ = 0;
    std::function<void()> linesChanged_;
};

} // namespace vesk
