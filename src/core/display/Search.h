#pragma once

#include "display/TextBuffer.h"

#include <optional>
#include <string_view>

namespace vesk {

// A place in the plain text of a buffer: a line index and a column of that line's plain text.
struct TextPosition {
    int line = 0;
    int column = 0;
    auto operator<=>(const TextPosition&) const = default;
};

// Finds text in the plain text of a buffer's lines, the way the Find dialog steps through the
// main view. Matches never span lines. Forwards the leftmost match starting at or after
// startCol on the start line (column 0 after it); backwards the rightmost match ending at or
// before startCol on the start line (the line's end before it). Without matchCase both sides
// compare in lower case. A line that cannot be read ends the scan.
std::optional<TextPosition> Search(const TextBuffer& buffer, std::string_view text, int startLine,
                                   int startCol, bool matchCase, bool backwards);

// Where a backwards search starts: the last line and the last column of its plain text (0 when
// that text has fewer than two characters).
TextPosition LastPosition(const TextBuffer& buffer);

// The view's new bottom position (index of the bottom visible line plus one) that brings a line
// into sight: unchanged when it is visible already; about half a page above the bottom when it
// is far from the end; otherwise the end of the buffer.
int ScrollToLine(int line, int position, int page, int lastIndex);

} // namespace vesk
