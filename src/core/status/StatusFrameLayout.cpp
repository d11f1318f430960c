#include "status/StatusFrameLayout.h"

#include <algorithm>

namespace vesk {
namespace {

FrameRect rect(int x, int y, int width, int height) {
    return {x, y, std::max(width, 0), std::max(height, 0)};
}

} // namespace

StatusFrameLayout StatusFrameLayout::compute(const Input& input) {
    const int width = input.clientWidth;
    const int height = input.clientHeight;
    const int scroll = input.scrollBarVisible ? scrollBarWidth : 0;
    StatusFrameLayout layout;
    if (!input.lagMeterShown) {
        layout.view = rect(0, 0, width - scroll, height);
        layout.scrollBar = rect(width - scroll, 0, scroll, height);
        return layout;
    }
    const int barHeight = input.lagBarFontHeight + 2;
    const int textHeight = input.lagTextFontHeight;
    const int viewHeight = height - barHeight - textHeight - 7;
    layout.lagShown = true;
    layout.lagBar = rect(0, height - barHeight, width, barHeight);
    layout.lagText = rect(0, height - barHeight - textHeight - 5, width, textHeight);
    layout.view = rect(0, 0, width - scroll, viewHeight);
    layout.scrollBar = rect(width - scroll, 0, scroll, viewHeight);
    return layout;
}

} // namespace vesk
