#pragma once

#include <cstddef>
#include <string_view>

namespace vesk {

// Splits a line for storage so that one stored line is one row on screen. Colour sequences take
// no column, nor does a tab, nor a line break (a carriage return or line feed is never drawn,
// and counting it would make a row's wrap depend on whether its break came in the same read).
// A valid UTF-8 character takes one column and is never split between rows; every other byte
// takes one. The break goes after the last blank or tab before the column limit, or at the
// limit when there is none.
//
// A row also holds at most `hiddenLimit` bytes that take no column, so text that shows nothing
// (colour sequences only, an unclosed sequence, tabs) cannot grow one row without end. Such a
// row is cut before the sequence or tab that would cross the limit, or at the limit itself
// when one sequence alone is longer. Every cut depends only on the bytes before it, so a line
// wrapped in pieces gives the same rows as wrapped whole.
struct WrappedLine {
    std::string_view head;
    std::string_view rest;
};

// Far more than a fully coloured row needs (80 columns of one sequence each is under 1 KB).
inline constexpr std::size_t mostHiddenBytes = 2048;

WrappedLine WrapLine(std::string_view text, int width, std::size_t hiddenLimit = mostHiddenBytes);

} // namespace vesk
