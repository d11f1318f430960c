#include "display/TextOffsets.h"

#include "display/CharacterColumns.h"
#include "display/TextBuffer.h"

#include <algorithm>

namespace vesk {

void TextOffsets::invalidateFrom(int row) {
    // A row's start depends only on the rows before it.
    const auto kept = static_cast<std::size_t>(std::max(row + 1, 0));
    if (starts_.size() > kept) {
        starts_.resize(kept);
    }
}

// Rows before the last one seen stand as they were unless the buffer shrank below it; the last
// kept row's length is checked too, which catches a buffer cleared to fewer rows.
void TextOffsets::sync() {
    if (buffer_.revision() == revision_) {
        return;
    }
    revision_ = buffer_.revision();
    const int rows = buffer_.LineCount();
    if (rows < rowsSeen_ - 1) {
        starts_.clear();
    } else {
        invalidateFrom(rowsSeen_ - 1);
        const int checked = static_cast<int>(starts_.size()) - 2;
        if (checked >= 0 && checked + 1 < rows &&
            starts_[static_cast<std::size_t>(checked) + 1] -
                    starts_[static_cast<std::size_t>(checked)] - breakBefore(checked + 1) !=
                rowLength(checked)) {
            starts_.clear();
        }
    }
    rowsSeen_ = rows;
}

int TextOffsets::rowLength(int row) const {
    if (!buffer_.getPlainCharacters(row, scratch_)) {
        return 0;
    }
    return columnCount(scratch_);
}

std::string TextOffsets::rowText(int row) const {
    std::string characters;
    buffer_.getPlainCharacters(row, characters);
    return characters;
}

int TextOffsets::breakBefore(int row) const {
    return row > 0 && row < buffer_.LineCount() && buffer_.line(row).continuesRow ? 0 : 1;
}

std::pair<int, int> TextOffsets::lineAround(int row) const {
    int first = row;
    while (first > 0 && breakBefore(first) == 0) {
        --first;
    }
    int last = row;
    while (last + 1 < buffer_.LineCount() && breakBefore(last + 1) == 0) {
        ++last;
    }
    return {first, last};
}

void TextOffsets::extendThrough(int row) {
    if (starts_.empty()) {
        starts_.push_back(0);
    }
    while (static_cast<int>(starts_.size()) <= row) {
        const int next = static_cast<int>(starts_.size());
        starts_.push_back(starts_.back() + rowLength(next - 1) + breakBefore(next));
    }
}

int TextOffsets::rowStart(int row) {
    sync();
    const int rows = buffer_.LineCount();
    if (rows == 0 || row <= 0) {
        return 0;
    }
    if (row >= rows) {
        return characterCount();
    }
    extendThrough(row);
    return starts_[static_cast<std::size_t>(row)];
}

int TextOffsets::characterCount() {
    sync();
    const int rows = buffer_.LineCount();
    if (rows == 0) {
        return 0;
    }
    extendThrough(rows - 1);
    return starts_[static_cast<std::size_t>(rows - 1)] + rowLength(rows - 1);
}

int TextOffsets::offsetOf(TextPosition position) {
    if (position.line >= buffer_.LineCount()) {
        return characterCount();
    }
    const int column = std::clamp(position.column, 0, rowLength(position.line));
    return rowStart(position.line) + column;
}

TextPosition TextOffsets::positionOf(int offset) {
    const int total = characterCount();
    if (buffer_.empty()) {
        return {0, 0};
    }
    offset = std::clamp(offset, 0, total);
    // The row whose start is the last at or before the offset.
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    const int row = static_cast<int>(after - starts_.begin()) - 1;
    return {row, std::min(offset - starts_[static_cast<std::size_t>(row)], rowLength(row))};
}

std::string TextOffsets::text(int start, int end) {
    if (end <= start) {
        return {};
    }
    const TextPosition from = positionOf(start);
    const TextPosition to = positionOf(end);
    std::string result;
    std::string characters;
    for (int row = from.line; row <= to.line; ++row) {
        buffer_.getPlainCharacters(row, characters);
        if (row != from.line && breakBefore(row) == 1) {
            result += '\n';
        }
        const int first = row == from.line ? from.column : 0;
        const int last = row == to.line ? to.column : columnCount(characters);
        result += columnRange(characters, first, last);
    }
    return result;
}

} // namespace vesk
