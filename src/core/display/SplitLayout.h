#pragma once

namespace vesk {

// One stretch of a pane, from the top down, in pixels.
struct PaneSpan {
    int top = 0;
    int height = 0;
    bool operator==(const PaneSpan&) const = default;
};

// Where the parts of the main output view go. While the player reads back in the scroll-back
// the pane is split: the upper part keeps the place scrolled to, a divider the player can drag
// sits below it, and the lower part (the tail) shows the newest lines as they arrive. Joined,
// the upper part is the whole pane. The tail takes a share of the pane in percent, which the
// player sets by dragging the divider; each part keeps at least two rows, and a pane too low
// for that is not split at all.
struct SplitLayout {
    static constexpr int defaultTailPercent = 33;
    static constexpr int leastTailPercent = 10;
    static constexpr int mostTailPercent = 90;
    static constexpr int dividerHeight = 6;
    static constexpr int leastRows = 2;

    PaneSpan upper;
    PaneSpan divider;
    PaneSpan tail;
    bool split = false;
    bool operator==(const SplitLayout&) const = default;

    // The parts of a pane `height` pixels high; `wantSplit` while the player is scrolled back.
    static SplitLayout of(int height, int lineHeight, int tailPercent, bool wantSplit);
    // The tail's share when the divider's middle is dragged to `y` (clamped to the limits).
    static int tailPercentAt(int y, int height);
};

} // namespace vesk
