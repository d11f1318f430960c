#pragma once

namespace vesk {

struct PaneRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PaneRect&) const = default;
};

// What the main window's arrangement depends on: the client area, the main font, and the
// window settings of the status pane, the lag meter and the chat pane.
struct MainLayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    bool maximised = false;
    // The main font's character height and its line height (height plus external leading).
    int fontHeight = 0;
    int lineHeight = 0;
    bool statusOpen = true;
    bool statusMoveable = false;
    bool statusLeft = false;
    bool statusNarrow = false;
    bool statusScrollShown = false;
    bool lagMeter = true;
    int lagReadoutHeight = 0;
    int lagBarHeight = 0;
    bool chatOpen = false;
    int chatLines = 10;
    // 1: the chat pane sits above the output; otherwise below it.
    int chatLocation = 1;
};

// Where every pane of the main window goes. The panes are placed without clamping: a window
// narrower than the docked status pane leaves the text panes a negative width.
struct MainLayout {
    int inputHeight = 0;
    bool statusDocked = false;
    PaneRect input, output, outputScroll, status, statusScroll, chat, chatScroll, lagReadout,
        lagBar;
    bool operator==(const MainLayout&) const = default;
};

inline constexpr int statusPaneWidth = 145;
inline constexpr int scrollBarWidth = 13;

// The main window's arithmetic: input line at the bottom, output above it with its scroll bar,
// the docked status pane to the right (or left) with the lag meter under it, and the chat pane
// above or below the output when open.
MainLayout layoutMainWindow(const MainLayoutInput& in);

} // namespace vesk
