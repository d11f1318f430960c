#include "display/Viewport.h"

#include "display/Search.h"

#include <algorithm>

namespace vesk {

int Viewport::PageFor(int height, int lineHeight) {
    return lineHeight <= 0 ? 0 : std::max(0, (height - lineHeight / 2) / lineHeight);
}

void Viewport::follow(int lineCount) {
    if (!scrolledBack_) {
        position_ = std::max(lineCount, 1);
    }
}

int Viewport::scrollMaximum(int lineCount) const {
    return page_ + std::max(lineCount, 1) - 1;
}

void Viewport::scrollTo(int position, int lineCount) {
    const int clamped = std::clamp(position, 0, std::max(0, scrollMaximum(lineCount)));
    if (clamped < lineCount) {
        scrolledBack_ = true;
        position_ = clamped;
    } else {
        scrolledBack_ = false;
        position_ = std::max(lineCount, 1);
    }
}

void Viewport::scrollToLine(int line, int lineCount) {
    position_ = ScrollToLine(line, position_, page_, lineCount - 1);
}

int Viewport::bottomRowTop(int height, int lineHeight) {
    return height - lineHeight - 2 - lineHeight / 2;
}

std::optional<int> Viewport::lineAt(int y, int height, int lineHeight) const {
    if (lineHeight <= 0) {
        return std::nullopt;
    }
    int rowTop = height - lineHeight / 2 - lineHeight;
    int line = position_ - 1;
    while (rowTop >= 0) {
        if (y >= rowTop) {
            if (line < 0) {
                return std::nullopt;
            }
            return line;
        }
        rowTop -= lineHeight;
        --line;
    }
    return std::nullopt;
}

} // namespace vesk
