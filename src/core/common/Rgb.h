#pragma once

#include <compare>

namespace vesk {

// A colour as (red, green, blue), each 0 to 255.
struct Rgb {
    int red = 0, green = 0, blue = 0;
    auto operator<=>(const Rgb&) const = default;
};

} // namespace vesk
