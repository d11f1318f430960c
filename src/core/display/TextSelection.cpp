#include "display/TextSelection.h"

#include <utility>

namespace vesk {

void TextSelection::clear() {
    anchor_.reset();
    dragging_ = false;
    buffer_.selStartLine = buffer_.selStartCol = buffer_.selEndLine = buffer_.selEndCol = -1;
}

void TextSelection::begin(std::optional<TextPosition> anchor) {
    clear();
    if (anchor) {
        anchor_ = anchor;
        dragging_ = true;
        show(*anchor, *anchor);
    }
}

void TextSelection::drag(std::optional<TextPosition> pointer) {
    if (!dragging_ || !anchor_) {
        return;
    }
    if (pointer) {
        show(*anchor_, *pointer);
    } else {
        show(*anchor_, *anchor_);
    }
}

void TextSelection::end(std::optional<TextPosition> release) {
    if (!anchor_) {
        return;
    }
    const TextPosition anchor = *anchor_;
    dragging_ = false;
    if (!release) {
        clear();
        return;
    }
    show(anchor, *release);
}

void TextSelection::show(TextPosition from, TextPosition to) {
    if (to < from) {
        std::swap(from, to);
    }
    buffer_.selStartLine = from.line;
    buffer_.selStartCol = from.column;
    buffer_.selEndLine = to.line;
    buffer_.selEndCol = to.column;
}

std::optional<std::string> TextSelection::selectedText() const {
    if (dragging_ || !hasRange()) {
        return std::nullopt;
    }
    std::string result;
    std::string plain;
    for (int line = buffer_.selStartLine; line <= buffer_.selEndLine; ++line) {
        if (!buffer_.GetPlainLine(line, plain)) {
            return std::nullopt;
        }
        const std::size_t from =
            line == buffer_.selStartLine ? static_cast<std::size_t>(buffer_.selStartCol) : 0;
        const std::size_t to =
            line == buffer_.selEndLine ? static_cast<std::size_t>(buffer_.selEndCol) : plain.size();
        if (line != buffer_.selStartLine) {
            result += "\r\n";
        }
        if (from < plain.size() && to > from) {
            result.append(plain, from, to - from);
        }
    }
    return result;
}

std::string QueryText(const TextBuffer& buffer, bool crlf) {
    std::string result;
    std::string plain;
    for (int line = 0; line < buffer.LineCount(); ++line) {
        buffer.GetPlainLine(line, plain);
        if (line > 0) {
            result += crlf ? "\r\n" : "\n";
        }
        result += plain;
    }
    return result.empty() ? std::string("  ") : result;
}

std::optional<std::string> WordAt(std::string_view plain, int column, std::string_view delimiters) {
    if (column < 0 || static_cast<std::size_t>(column) >= plain.size()) {
        return std::nullopt;
    }
    const auto at = static_cast<std::size_t>(column);
    const std::size_t before = plain.substr(0, at + 1).find_last_of(delimiters);
    const std::size_t start = before == std::string_view::npos ? 0 : before + 1;
    const std::size_t after = plain.find_first_of(delimiters, at);
    const std::size_t stop = after == std::string_view::npos ? plain.size() : after;
    if (stop < start || stop - start < 2) {
        return std::nullopt;
    }
    return std::string(plain.substr(start, stop - start));
}

std::string LinkAddress(std::string_view word) {
    if (word.substr(0, 4) == "http") {
        return std::string(word);
    }
    return "http://" + std::string(word);
}

} // namespace vesk
