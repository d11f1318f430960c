#pragma once

#include "display/Search.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vesk {

class TextBuffer;

// The scroll-back as one text, the way a screen reader reads a text pane: the plain characters
// of every line, lines joined by one line feed, counted in characters. A line stored wrapped
// (a row that continues the row before it) reads as the one line it is, its rows joined
// without a break. It turns a (row, column) into an offset of that text and back.
//
// Where each row starts is remembered and only worked out again behind a change. The receive
// path and the echo only ever add rows at the end, continue the unfinished last row, or take
// away rows they have just added, so every row before the last one seen is assumed unchanged;
// anything else (Clear, the oldest rows dropped) must say so with invalidateFrom().
class TextOffsets {
public:
    explicit TextOffsets(const TextBuffer& buffer) : buffer_(buffer) {}

    // Rows from `row` on may have changed.
    void invalidateFrom(int row);

    int characterCount();
    // The offset of a row's first character (the row count gives the end of the text).
    int rowStart(int row);
    int rowLength(int row) const;
    int offsetOf(TextPosition position);
    // The row and column of an offset, clamped to the text.
    TextPosition positionOf(int offset);
    // The characters from `start` up to `end` (UTF-8), rows joined by a line feed.
    std::string text(int start, int end);
    // The plain characters of one row.
    std::string rowText(int row) const;
    // The first and last rows of the line a row belongs to.
    std::pair<int, int> lineAround(int row) const;

private:
    void sync();
    void extendThrough(int row);
    // The line feed between a row and the one before it: none inside a wrapped line.
    int breakBefore(int row) const;

    const TextBuffer& buffer_;
    // starts_[r]: the offset of row r, known for every r below starts_.size().
    std::vector<int> starts_;
    std::uint64_t revision_ = 0;
    int rowsSeen_ = 0;
    mutable std::string scratch_;
};

} // namespace vesk
