#pragma once

#include "common/Rgb.h"

#include <cstdint>

namespace vesk {

// The colours of the status window: limbs by damage or by armour class, and the meters that
// run from red when empty through yellow at half to green when full.
namespace statuscolour {

inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb green{0, 255, 0};
inline constexpr Rgb black{0, 0, 0};
// The unfilled rest of a meter.
inline constexpr Rgb remainder{128, 128, 128};
// A limb the character has lost (negative damage).
inline constexpr Rgb missingLimb{100, 100, 100};

// Green for an unhurt limb, yellow at half damage, red from full damage on.
Rgb limbDamage(std::int32_t damage);
// Magenta, blue, cyan, dark green and green for classes 1 to 5 and above; dark red without any.
Rgb limbArmour(std::int32_t armourClass);

// How full a meter is, 0 to 1: nothing when the range is empty or the value below it.
double meterRatio(std::int64_t minimum, std::int64_t maximum, std::int64_t value);
// Red when empty, yellow at half, green when full.
Rgb meter(double ratio);

} // namespace statuscolour
} // namespace vesk
