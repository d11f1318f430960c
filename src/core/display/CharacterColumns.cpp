#include "display/CharacterColumns.h"

#include "common/ServerCharacters.h"

namespace vesk {

std::size_t byteOffsetOfColumn(std::string_view characters, int column) {
    std::size_t offset = 0;
    for (int counted = 0; counted < column && offset < characters.size(); ++counted) {
        offset += characterLength(characters, offset, Decoding::Utf8);
    }
    return offset < characters.size() ? offset : characters.size();
}

int columnOfByteOffset(std::string_view characters, std::size_t offset) {
    int column = 0;
    for (std::size_t position = 0; position < characters.size();) {
        position += characterLength(characters, position, Decoding::Utf8);
        if (position > offset) {
            return column;
        }
        ++column;
    }
    return column;
}

std::string_view columnRange(std::string_view characters, int from, int to) {
    const std::size_t start = byteOffsetOfColumn(characters, from);
    const std::size_t stop = byteOffsetOfColumn(characters, to);
    return stop > start ? characters.substr(start, stop - start) : std::string_view();
}

int columnCount(std::string_view characters) {
    return static_cast<int>(characterCount(characters, Decoding::Utf8));
}

} // namespace vesk
