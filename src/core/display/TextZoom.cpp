#include "display/TextZoom.h"

#include <algorithm>
#include <cmath>

namespace vesk {
namespace {

int larger(int pixels) {
    if (pixels >= TextZoom::largest) {
        return pixels;
    }
    const int grown = std::max(pixels + 1, static_cast<int>(std::lround(pixels * 1.1)));
    return std::min(grown, TextZoom::largest);
}

int smaller(int pixels) {
    if (pixels <= TextZoom::smallest) {
        return pixels;
    }
    const int shrunk = std::min(pixels - 1, static_cast<int>(std::lround(pixels / 1.1)));
    return std::max(shrunk, TextZoom::smallest);
}

} // namespace

// Past a hundred steps either way every size has reached its bound.
int TextZoom::zoomed(int pixels, int steps) {
    steps = std::clamp(steps, -100, 100);
    for (; steps > 0; --steps) {
        pixels = larger(pixels);
    }
    for (; steps < 0; ++steps) {
        pixels = smaller(pixels);
    }
    return pixels;
}

} // namespace vesk
