#pragma once

namespace vesk {

// How Ctrl+Plus, Ctrl+Minus and Ctrl with the wheel change the text panes' font size, in
// pixels: a pixel a step for small text, about a tenth for larger, within 6 to 72 pixels. A
// size already outside that range (a font chosen with "Set Font") only moves towards it.
class TextZoom {
public:
    static constexpr int smallest = 6;
    static constexpr int largest = 72;

    // The size after `steps` steps (positive larger, negative smaller).
    static int zoomed(int pixels, int steps);
};

} // namespace vesk
