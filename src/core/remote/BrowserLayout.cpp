#include "remote/BrowserLayout.h"

#include <algorithm>

namespace vesk {
namespace {

// A window dragged smaller than its contents squeezes them to nothing rather than handing a
// negative size to the toolkit.
LayoutRect Rect(int x, int y, int width, int height) {
    return {x, y, std::max(width, 0), std::max(height, 0)};
}

// The status line sits this far below the file browser's frame top and above its bottom.
constexpr int fileStatusMargin = 6;

} // namespace

// The status line starts one pixel inside the frame's top edge, so the t high line fills the
// t + 2 high frame between its borders. Placing it lower would let the frame's bottom edge run
// through the text.
BrowserLayout layOutHelpBrowser(int width, int height, int textHeight) {
    const int viewHeight = height - textHeight - 17;
    const int frameTop = height - textHeight - 7;
    return {
        Rect(5, 5, 150, viewHeight),
        Rect(160, 5, width - 165, viewHeight),
        Rect(5, frameTop, width - 10, textHeight + 2),
        Rect(15, frameTop + 1, width - 30, textHeight),
    };
}

int fileBrowserFrameHeight(int lineHeight) {
    return lineHeight + 2 * fileStatusMargin;
}

// The frame's height is given, not measured from the frame on each resize: a frame that grew by
// its own margin at every resize would creep up the window.
BrowserLayout layOutFileBrowser(int width, int height, int frameHeight, int lineHeight) {
    const int treeWidth = width / 3;
    const int viewHeight = height - frameHeight - 5;
    const int frameTop = height - frameHeight;
    return {
        Rect(0, 0, treeWidth, viewHeight),
        Rect(treeWidth + 2, 0, width - treeWidth - 2, viewHeight),
        Rect(0, frameTop, width, frameHeight),
        Rect(10, frameTop + fileStatusMargin, width - 20, lineHeight),
    };
}

} // namespace vesk
