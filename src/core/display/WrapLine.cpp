#include "display/WrapLine.h"

#include "common/ServerCharacters.h"

namespace vesk {
namespace {

constexpr char escape = '\x1b';

// The position just past a colour sequence starting at an ESC "[" (the whole rest of the line
// when no "m" closes it).
std::size_t skipColourSequence(std::string_view text, std::size_t start) {
    const std::size_t end = text.find('m', start + 2);
    return end == std::string_view::npos ? text.size() : end + 1;
}

std::size_t breakPoint(std::string_view text, std::size_t limit) {
    for (std::size_t position = limit + 1; position-- > 0;) {
        if (position < text.size() && (text[position] == ' ' || text[position] == '\t')) {
            return position + 1;
        }
    }
    return limit;
}

WrappedLine cutAt(std::string_view text, std::size_t cut) {
    return {text.substr(0, cut), text.substr(cut)};
}

} // namespace

WrappedLine WrapLine(std::string_view text, int width, std::size_t hiddenLimit) {
    // A width below one could never make progress; it wraps after every column instead.
    const int limit = width < 1 ? 1 : width;
    const std::size_t hiddenMost = hiddenLimit < 1 ? 1 : hiddenLimit;
    // Every byte takes at most one column, so a short text never wraps.
    if (text.size() <= static_cast<std::size_t>(limit) && text.size() <= hiddenMost) {
        return {text, {}};
    }
    int columns = 0;
    std::size_t hidden = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        const char byte = text[position];
        // A line break is never drawn, so it does not end a full row either.
        if (byte == '\n' || byte == '\r') {
            if (++hidden > hiddenMost) {
                return cutAt(text, position);
            }
            ++position;
            continue;
        }
        if (columns >= limit) {
            return cutAt(text, breakPoint(text, position));
        }
        std::size_t next = position + 1;
        if (byte == escape && next < text.size() && text[next] == '[') {
            next = skipColourSequence(text, position);
        } else if (byte != '\t') {
            // A UTF-8 character is one column and stays whole; any other byte is one column.
            ++columns;
            position += static_cast<unsigned char>(byte) < 0x80
                            ? 1
                            : characterLength(text, position, Decoding::Utf8);
            continue;
        }
        // A sequence or tab that would take the row past its hidden bytes starts the next row;
        // one that alone is longer (an unclosed sequence) is cut at the limit.
        hidden += next - position;
        if (hidden > hiddenMost) {
            return cutAt(text, position > 0 ? position : hiddenMost);
        }
        position = next;
    }
    return {text, {}};
}

} // namespace vesk
