#include "display/SplitLayout.h"

#include <algorithm>

namespace vesk {

SplitLayout SplitLayout::of(int height, int lineHeight, int tailPercent, bool wantSplit) {
    SplitLayout layout;
    layout.upper = {0, std::max(0, height)};
    // A part of two rows needs half a row more for the margin the rows keep at the bottom.
    const int leastPart = lineHeight * leastRows + lineHeight / 2 + 2;
    if (!wantSplit || height < 2 * leastPart + dividerHeight) {
        return layout;
    }
    const int percent = std::clamp(tailPercent, leastTailPercent, mostTailPercent);
    const int tailHeight =
        std::clamp(height * percent / 100, leastPart, height - dividerHeight - leastPart);
    layout.split = true;
    layout.tail = {height - tailHeight, tailHeight};
    layout.divider = {layout.tail.top - dividerHeight, dividerHeight};
    layout.upper = {0, layout.divider.top};
    return layout;
}

int SplitLayout::tailPercentAt(int y, int height) {
    if (height <= 0) {
        return defaultTailPercent;
    }
    const int percent = (height - y) * 100 / height;
    return std::clamp(percent, leastTailPercent, mostTailPercent);
}

} // namespace vesk
