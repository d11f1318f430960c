#include "display/Viewport.h"

#include <algorithm>

namespace vesk {

int Viewport::pageFor(int height, int lineHeight) {
    return lineHeight <= 0 ? 0 : std::max(0, (height - lineHeight / 2) / lineHeight);
}

int Viewport::rowsOf(int line) const {
    return rows_ ? std::max(1, rows_(line)) : 1;
}

void Viewport::follow(int lineCount) {
    if (!scrolledBack_) {
        position_ = std::max(lineCount, 1);
        rowsBelow_ = 0;
    }
}

// The count of lines that arrived since the scroll-back moves with the drop too, so the "more
// below" marker keeps counting the same lines.
void Viewport::linesDropped(int count) {
    if (count <= 0) {
        return;
    }
    linesAtScrollBack_ = std::max(0, linesAtScrollBack_ - count);
    if (!scrolledBack_) {
        return;
    }
    position_ -= count;
    if (position_ < 1) {
        position_ = 1;
        rowsBelow_ = std::max(0, rowsOf(0) - 1);
    }
}

int Viewport::scrollMaximum(int lineCount) const {
    return page_ + std::max(lineCount, 1) - 1;
}

// At or past the end with no row hidden below, the view follows new lines again.
// Leaving the end remembers how many lines there were, so the lines that arrive afterwards
// can be told of.
void Viewport::settle(int lineCount) {
    if (position_ >= lineCount && rowsBelow_ == 0) {
        scrolledBack_ = false;
        position_ = std::max(lineCount, 1);
    } else {
        if (!scrolledBack_) {
            linesAtScrollBack_ = lineCount;
        }
        scrolledBack_ = true;
    }
}

void Viewport::scrollToEnd(int lineCount) {
    scrolledBack_ = false;
    position_ = std::max(lineCount, 1);
    rowsBelow_ = 0;
}

void Viewport::scrollTo(int position, int lineCount) {
    position_ = std::clamp(position, 0, std::max(0, scrollMaximum(lineCount)));
    rowsBelow_ = 0;
    settle(lineCount);
}

// Up stops with the first row of line 0 at the bottom.
void Viewport::rowsUp(int rows, int lineCount) {
    position_ = std::min(position_, std::max(lineCount, 1));
    for (int step = 0; step < rows && position_ >= 1; ++step) {
        if (rowsBelow_ + 1 < rowsOf(position_ - 1)) {
            ++rowsBelow_;
        } else if (position_ >= 2) {
            --position_;
            rowsBelow_ = 0;
        } else {
            break;
        }
    }
    settle(lineCount);
}

void Viewport::rowsDown(int rows, int lineCount) {
    for (int step = 0; step < rows; ++step) {
        if (rowsBelow_ > 0) {
            --rowsBelow_;
        } else if (position_ < lineCount) {
            ++position_;
            rowsBelow_ = rowsOf(position_ - 1) - 1;
        } else {
            break;
        }
    }
    settle(lineCount);
}

// Walks up from the bottom row counting rows until the line's first row is reached.
bool Viewport::lineFullyVisible(int line) const {
    const int bottomLine = position_ - 1;
    if (line > bottomLine || (line == bottomLine && rowsBelow_ > 0)) {
        return false;
    }
    int rowsShown = rowsOf(bottomLine) - rowsBelow_;
    for (int above = bottomLine - 1; above >= line && rowsShown <= page_; --above) {
        rowsShown += rowsOf(above);
    }
    return rowsShown <= page_;
}

void Viewport::scrollToLine(int line, int lineCount) {
    if (line < 0 || lineFullyVisible(line)) {
        return;
    }
    int rowsToEnd = 0;
    for (int each = line; each < lineCount && rowsToEnd <= page_; ++each) {
        rowsToEnd += rowsOf(each);
    }
    if (line < lineCount && rowsToEnd <= page_) {
        position_ = std::max(lineCount, 1);
        rowsBelow_ = 0;
        return;
    }
    // The line's last row goes half a page above the bottom, or lower when the line is taller
    // than the half page above that, so its first row stays in sight.
    position_ = line + 1;
    rowsBelow_ = 0;
    const bool wasScrolledBack = scrolledBack_;
    rowsDown(std::max(0, std::min(page_ / 2, page_ - rowsOf(line))), lineCount);
    scrolledBack_ = wasScrolledBack;
}

int Viewport::bottomRowTop(int height, int lineHeight) {
    return height - lineHeight - 2 - lineHeight / 2;
}

std::optional<int> Viewport::lineAt(int y, int height, int lineHeight) const {
    if (lineHeight <= 0) {
        return std::nullopt;
    }
    int rowTop = bottomRowTop(height, lineHeight);
    int line = position_ - 1;
    int row = rowsOf(std::max(line, 0)) - 1 - rowsBelow_;
    while (rowTop + lineHeight > 0) {
        if (y >= rowTop) {
            if (line < 0) {
                return std::nullopt;
            }
            return line;
        }
        rowTop -= lineHeight;
        if (--row < 0) {
            --line;
            row = line >= 0 ? rowsOf(line) - 1 : 0;
        }
    }
    return std::nullopt;
}

} // namespace vesk
