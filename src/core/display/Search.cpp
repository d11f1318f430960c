#include "display/Search.h"

#include "common/ServerCharacters.h"
#include "display/CharacterColumns.h"

#include <algorithm>
#include <optional>
#include <string>

namespace vesk {
namespace {

// Lower case for the letters of ASCII and of Latin-1 (À-Þ but ×), in place in UTF-8: each
// keeps its length, so byte offsets stay where they were.
void LowerInPlace(std::string& text) {
    for (std::size_t index = 0; index < text.size(); ++index) {
        char& byte = text[index];
        if (byte >= 'A' && byte <= 'Z') {
            byte = static_cast<char>(byte - 'A' + 'a');
        } else if (byte == '\xc3' && index + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[index + 1]);
            if (next >= 0x80 && next <= 0x9e && next != 0x97) {
                text[index + 1] = static_cast<char>(next + 0x20);
            }
            ++index;
        }
    }
}

std::size_t FindOnLine(std::string_view line, std::string_view text, int fromColumn) {
    return line.find(text, byteOffsetOfColumn(line, std::max(fromColumn, 0)));
}

// The rightmost match that ends at or before byte `end`.
std::size_t FindBackOnLine(std::string_view line, std::string_view text, std::size_t end) {
    if (end < text.size()) {
        return std::string_view::npos;
    }
    return line.rfind(text, end - text.size());
}

// Where a backwards match must end on the start line: just after the start column's
// character (nothing can end before column 0).
std::optional<std::size_t> BackwardsEnd(std::string_view line, int startCol) {
    if (startCol < 0) {
        return std::nullopt;
    }
    return byteOffsetOfColumn(line, startCol + 1);
}

} // namespace

// One plain-text buffer serves every line of the scan, so a miss over a long buffer costs no
// allocation per line; raw lines with fewer bytes than the text has characters cannot hold it
// and are not converted. Text and lines are compared as UTF-8, which never matches part of a
// character, and the columns found are counted in characters.
std::optional<TextPosition> Search(const TextBuffer& buffer, std::string_view text, int startLine,
                                   int startCol, bool matchCase, bool backwards) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::string needle(text);
    if (!matchCase) {
        LowerInPlace(needle);
    }
    const std::size_t shortest = characterCount(needle, Decoding::Utf8);
    std::string plain;
    const int step = backwards ? -1 : 1;
    for (int line = startLine; backwards ? line >= 0 : line <= buffer.lastIndex(); line += step) {
        if (line < 0 || line > buffer.lastIndex()) {
            return std::nullopt;
        }
        if (buffer.line(line).text.size() < shortest) {
            continue;
        }
        buffer.getPlainCharacters(line, plain);
        if (!matchCase) {
            LowerInPlace(plain);
        }
        const bool startOfScan = line == startLine;
        std::size_t found = std::string_view::npos;
        if (!backwards) {
            found = FindOnLine(plain, needle, startOfScan ? startCol : 0);
        } else if (const auto end = startOfScan ? BackwardsEnd(plain, startCol) : plain.size()) {
            found = FindBackOnLine(plain, needle, *end);
        }
        if (found != std::string_view::npos) {
            return TextPosition{line, columnOfByteOffset(plain, found)};
        }
    }
    return std::nullopt;
}

TextPosition LastPosition(const TextBuffer& buffer) {
    const int last = buffer.lastIndex();
    const std::optional<std::string> plain = buffer.getPlainCharacters(last);
    const int length = plain ? columnCount(*plain) : 0;
    return {last, length < 2 ? 0 : length - 1};
}

int ScrollToLine(int line, int position, int page, int lastIndex) {
    const bool visible = line >= position - page && line < position;
    if (visible) {
        return position;
    }
    if (line > lastIndex || lastIndex - line > page) {
        return line + page / 2;
    }
    return lastIndex + 1;
}

} // namespace vesk
