#pragma once

#include <cstddef>
#include <string_view>

namespace vesk {

// Columns of a line's plain characters (UTF-8, as TextBuffer::getPlainCharacters gives them)
// count characters, not bytes; these turn one into the other.

// The byte offset where the character at `column` starts; the text's size for a column at or
// past its end, 0 for a negative one.
std::size_t byteOffsetOfColumn(std::string_view characters, int column);

// The column of the character that starts at (or contains) byte `offset`.
int columnOfByteOffset(std::string_view characters, std::size_t offset);

// The characters from column `from` up to (not including) column `to`.
std::string_view columnRange(std::string_view characters, int from, int to);

// How many characters the text holds.
int columnCount(std::string_view characters);

} // namespace vesk
