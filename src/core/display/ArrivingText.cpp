#include "display/ArrivingText.h"

#include "display/CharacterColumns.h"
#include "display/TextBuffer.h"

#include <algorithm>

namespace vesk {

// After a complete last row the next text starts a row of its own.
TextPosition ArrivingText::end() const {
    if (buffer_.empty()) {
        return {0, 0};
    }
    if (buffer_.lastLineComplete()) {
        return {buffer_.LineCount(), 0};
    }
    std::string characters;
    buffer_.getPlainCharacters(buffer_.lastIndex(), characters);
    return {buffer_.lastIndex(), columnCount(characters)};
}

void ArrivingText::skipToEnd() {
    next_ = end();
}

void ArrivingText::linesDropped(int count) {
    next_.line -= count;
    if (next_.line < 0) {
        next_ = {0, 0};
    }
}

std::vector<ArrivedText> ArrivingText::take() {
    std::vector<ArrivedText> arrived;
    // Fewer rows than were told of: the pane was cleared, and what it holds now is old.
    if (next_.line > buffer_.LineCount()) {
        skipToEnd();
        return arrived;
    }
    std::string characters;
    int rowsInLast = 0;
    for (int row = next_.line; row < buffer_.LineCount(); ++row) {
        buffer_.getPlainCharacters(row, characters);
        const int length = columnCount(characters);
        const int from = row == next_.line ? std::min(next_.column, length) : 0;
        if (from >= length) {
            continue;
        }
        // The rows of a wrapped line arrive as the one line a screen reader reads.
        const std::string_view text = columnRange(characters, from, length);
        if (buffer_.line(row).continuesRow && !arrived.empty() &&
            arrived.back().start.line + rowsInLast == row) {
            arrived.back().text += text;
            ++rowsInLast;
            continue;
        }
        arrived.push_back({{row, from}, std::string(text), buffer_.line(row).echoed});
        rowsInLast = 1;
    }
    skipToEnd();
    return arrived;
}

} // namespace vesk
