#include "display/TextSelection.h"

#include "display/CharacterColumns.h"

#include <utility>

namespace vesk {

void TextSelection::clear() {
    anchor_.reset();
    dragging_ = false;
    buffer_.selStartLine = buffer_.selStartCol = buffer_.selEndLine = buffer_.selEndCol = -1;
}

void TextSelection::begin(std::optional<TextPosition> anchor) {
    dropped_.sinceLastLook();
    clear();
    if (anchor) {
        anchor_ = anchor;
        dragging_ = true;
        show(*anchor, *anchor);
    }
}

void TextSelection::followDrops() {
    const int dropped = dropped_.sinceLastLook();
    if (dropped == 0 || !anchor_) {
        return;
    }
    anchor_->line -= dropped;
    if (anchor_->line < 0) {
        *anchor_ = {};
    }
}

void TextSelection::drag(std::optional<TextPosition> pointer) {
    followDrops();
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
    followDrops();
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

void TextSelection::selectAll() {
    clear();
    if (buffer_.empty()) {
        return;
    }
    std::string characters;
    buffer_.getPlainCharacters(buffer_.lastIndex(), characters);
    show({0, 0}, {buffer_.lastIndex(), columnCount(characters)});
}

std::optional<std::string> TextSelection::selectedText(std::string_view lineEnd) const {
    if (dragging_ || !hasRange()) {
        return std::nullopt;
    }
    std::string result;
    std::string characters;
    for (int line = buffer_.selStartLine; line <= buffer_.selEndLine; ++line) {
        if (!buffer_.getPlainCharacters(line, characters)) {
            return std::nullopt;
        }
        const int from = line == buffer_.selStartLine ? buffer_.selStartCol : 0;
        const int to = line == buffer_.selEndLine ? buffer_.selEndCol : columnCount(characters);
        if (line != buffer_.selStartLine) {
            result += lineEnd;
        }
        result += columnRange(characters, from, to);
    }
    return result;
}

std::string QueryText(const TextBuffer& buffer, std::string_view lineEnd) {
    std::string result;
    std::string characters;
    for (int line = 0; line < buffer.LineCount(); ++line) {
        buffer.getPlainCharacters(line, characters);
        if (line > 0) {
            result += lineEnd;
        }
        result += characters;
    }
    return result.empty() ? std::string("  ") : result;
}

// Delimiters are ASCII, so they are found byte by byte without cutting a character.
std::optional<std::string> WordAt(std::string_view plain, int column, std::string_view delimiters) {
    if (column < 0 || column >= columnCount(plain)) {
        return std::nullopt;
    }
    const std::size_t at = byteOffsetOfColumn(plain, column);
    const std::size_t before = plain.substr(0, at + 1).find_last_of(delimiters);
    const std::size_t start = before == std::string_view::npos ? 0 : before + 1;
    const std::size_t after = plain.find_first_of(delimiters, at);
    const std::size_t stop = after == std::string_view::npos ? plain.size() : after;
    if (stop <= start) {
        return std::nullopt;
    }
    const std::string_view word = plain.substr(start, stop - start);
    if (columnCount(word) < 2) {
        return std::nullopt;
    }
    return std::string(word);
}

std::string linkAddress(std::string_view word) {
    if (word.substr(0, 4) == "http") {
        return std::string(word);
    }
    return "http://" + std::string(word);
}

} // namespace vesk
