#pragma once

namespace vesk {

// Where the two browser windows put their children for a given client size. The windows only
// apply these rectangles, so the arithmetic is tested without a display.
struct LayoutRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const LayoutRect&) const = default;
};

struct BrowserLayout {
    LayoutRect tree;
    LayoutRect list;
    LayoutRect statusFrame;
    LayoutRect statusLine;
    bool operator==(const BrowserLayout&) const = default;
};

// The help window: a 150-wide category tree and the topic list side by side, a sunken status
// frame of one text line under them. textHeight is the height of one line of the window's font.
BrowserLayout layOutHelpBrowser(int width, int height, int textHeight);

// The file browser: the directory tree takes a third of the width, the file list the rest, the
// status frame (frameHeight high) runs along the bottom edge with its line (lineHeight high)
// inside.
BrowserLayout layOutFileBrowser(int width, int height, int frameHeight, int lineHeight);

// The status frame's height that holds one status line with the border the file browser gives it.
int fileBrowserFrameHeight(int lineHeight);

} // namespace vesk
