#include "display/WrapLine.h"

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

} // namespace

WrappedLine WrapLine(std::string_view text, int width) {
    // A width below one could never make progress; it wraps after every column instead.
    const int limit = width < 1 ? 1 : width;
    // Every byte takes at most one column, so a text no longer than the width never wraps.
    if (text.size() <= static_cast<std::size_t>(limit)) {
        return {text, {}};
    }
    int columns = 0;
    std::size_t position = 0;
    while (position < text.size()) {
        if (columns >= limit) {
            const std::size_t cut = breakPoint(text, position);
            return {text.substr(0, cut), text.substr(cut)};
        }
        if (text[position] == escape && position + 1 < text.size() && text[position + 1] == '[') {
            position = skipColourSequence(text, position);
            continue;
        }
        if (text[position] != '\t') {
            ++columns;
        }
        ++position;
    }
    return {text, {}};
}

} // namespace vesk
