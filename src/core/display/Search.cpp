#include "display/Search.h"

#include <algorithm>
#include <string>

namespace vesk {
namespace {

void LowerInPlace(std::string& text) {
    for (char& byte : text) {
        if (byte >= 'A' && byte <= 'Z') {
            byte = static_cast<char>(byte - 'A' + 'a');
        }
    }
}

std::size_t FindOnLine(std::string_view line, std::string_view text, int from) {
    return line.find(text, static_cast<std::size_t>(std::max(from, 0)));
}

// The rightmost match whose last character lies at or before lastColumn.
std::size_t FindBackOnLine(std::string_view line, std::string_view text, long lastColumn) {
    const long latestStart = lastColumn - static_cast<long>(text.size()) + 1;
    if (latestStart < 0) {
        return std::string_view::npos;
    }
    return line.rfind(text, static_cast<std::size_t>(latestStart));
}

} // namespace

// One plain-text buffer serves every line of the scan, so a miss over a long buffer costs no
// allocation per line; raw lines shorter than the text cannot hold it and are not converted.
std::optional<TextPosition> Search(const TextBuffer& buffer, std::string_view text, int startLine,
                                   int startCol, bool matchCase, bool backwards) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::string needle(text);
    if (!matchCase) {
        LowerInPlace(needle);
    }
    std::string plain;
    const int step = backwards ? -1 : 1;
    for (int line = startLine; backwards ? line >= 0 : line <= buffer.lastIndex(); line += step) {
        if (line < 0 || line > buffer.lastIndex()) {
            return std::nullopt;
        }
        if (buffer.line(line).text.size() < needle.size()) {
            continue;
        }
        buffer.GetPlainLine(line, plain);
        if (!matchCase) {
            LowerInPlace(plain);
        }
        const bool startOfScan = line == startLine;
        const std::size_t column =
            backwards ? FindBackOnLine(plain, needle,
                                       startOfScan ? startCol : static_cast<long>(plain.size()) - 1)
                      : FindOnLine(plain, needle, startOfScan ? startCol : 0);
        if (column != std::string_view::npos) {
            return TextPosition{line, static_cast<int>(column)};
        }
    }
    return std::nullopt;
}

TextPosition LastPosition(const TextBuffer& buffer) {
    const int last = buffer.lastIndex();
    const std::optional<std::string> plain = buffer.GetPlainLine(last);
    const int length = plain ? static_cast<int>(plain->size()) : 0;
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
