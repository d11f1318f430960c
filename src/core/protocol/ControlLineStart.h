#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace vesk {

// The longest control line the client reads. A server that writes a directory of a few
// thousand files or a long news message still fits; a longer line is dropped whole, unread.
inline constexpr std::size_t longestControlLine = 1024 * 1024;

// How the start of a received line looks to the parser once the line is cleaned: colour
// sequences and bytes the cleaning drops may stand before the marker, and are looked past.
enum class LineStart {
    Text,        // the line cannot be a control line
    ControlLine, // the line begins with the marker
    Undecided,   // the text ends before it could tell (a piece of the marker, an open sequence)
};

// Reads only as far as it takes to decide, and at most a couple of kilobytes of bytes that
// show nothing, so a row of colour sequences is never taken for the start of a control line.
LineStart classifyLineStart(std::string_view text);

// The same for a line that has all its bytes: what is undecided at its end is text.
inline bool beginsControlLine(std::string_view text) {
    return classifyLineStart(text) == LineStart::ControlLine;
}

} // namespace vesk
