#include "status/StatusColours.h"

#include <algorithm>

namespace vesk::statuscolour {
namespace {

int component(double value) {
    return std::clamp(static_cast<int>(value), 0, 255);
}

} // namespace

Rgb limbDamage(std::int32_t damage) {
    if (damage < 0) {
        return missingLimb;
    }
    const double fraction = std::min(damage * 0.01, 1.0);
    if (fraction <= 0.5) {
        return {component(510 * fraction), 255, 0};
    }
    return {255, component(510 * (1 - fraction)), 0};
}

Rgb limbArmour(std::int32_t armourClass) {
    switch (armourClass) {
    case 1:
        return {200, 0, 200};
    case 2:
        return {0, 0, 200};
    case 3:
        return {0, 170, 170};
    case 4:
        return {0, 128, 0};
    default:
        return armourClass >= 5 ? green : Rgb{200, 0, 0};
    }
}

double meterRatio(std::int64_t minimum, std::int64_t maximum, std::int64_t value) {
    // Differences are taken in 64 bits: a server may send any 32-bit values.
    const std::int64_t range = maximum - minimum;
    if (range == 0) {
        return 0;
    }
    const double ratio = static_cast<double>(value - minimum) / static_cast<double>(range);
    return std::clamp(ratio, 0.0, 1.0);
}

Rgb meter(double ratio) {
    if (ratio < 0.5) {
        return {255, component(510 * ratio), 0};
    }
    return {component(255 - 510 * (ratio - 0.5)), 255, 0};
}

} // namespace vesk::statuscolour
