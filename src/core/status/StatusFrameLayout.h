#pragma once

#include <compare>

namespace vesk {

// A rectangle in a window's client area, in pixels.
struct FrameRect {
    int x = 0, y = 0, width = 0, height = 0;
    auto operator<=>(const FrameRect&) const = default;
};

// Where the floating status window puts its children: the status view filling the window, its
// scroll bar at the right edge while the contents are taller than the view, and, with the lag
// meter on, the lag read-out and bar along the bottom.
struct StatusFrameLayout {
    static constexpr int scrollBarWidth = 14;

    struct Input {
        int clientWidth = 0;
        int clientHeight = 0;
        bool scrollBarVisible = false;
        bool lagMeterShown = false;
        // Font heights of the lag bar and the lag read-out.
        int lagBarFontHeight = 0;
        int lagTextFontHeight = 0;
    };

    FrameRect view;
    FrameRect scrollBar;
    FrameRect lagText;
    FrameRect lagBar;
    bool lagShown = false;

    // Sizes that come out negative in a window too small for its parts are placed as empty.
    static StatusFrameLayout compute(const Input& input);

    auto operator<=>(const StatusFrameLayout&) const = default;
};

} // namespace vesk
