#pragma once

#include <string_view>

namespace vesk {

// Splits a line for storage so that one stored line is one row on screen. Colour sequences take
// no column, nor does a tab; every other byte, the line feed included, takes one. The break
// goes after the last blank or tab before the column limit, or at the limit when there is none.
struct WrappedLine {
    std::string_view head;
    std::string_view rest;
    bool wrapped() const { return !rest.empty(); }
};

WrappedLine WrapLine(std::string_view text, int width);

} // namespace vesk
