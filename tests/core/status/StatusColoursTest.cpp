#include "status/StatusColours.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

struct ColourCase {
    std::int32_t value;
    Rgb expected;
};

TEST(StatusColoursTest, DamageRunsFromGreenThroughYellowToRedAndGreyWhenMissing) {
    const ColourCase cases[] = {
        {0, {0, 255, 0}},   {25, {127, 255, 0}}, {50, {255, 255, 0}},   {75, {255, 127, 0}},
        {100, {255, 0, 0}}, {250, {255, 0, 0}},  {-1, {100, 100, 100}}, {-500, {100, 100, 100}},
    };
    for (const ColourCase& c : cases) {
        EXPECT_EQ(statuscolour::limbDamage(c.value), c.expected) << "damage " << c.value;
    }
}

TEST(StatusColoursTest, EachArmourClassHasItsColour) {
    const ColourCase cases[] = {
        {-3, {200, 0, 0}},  {0, {200, 0, 0}}, {1, {200, 0, 200}}, {2, {0, 0, 200}},
        {3, {0, 170, 170}}, {4, {0, 128, 0}}, {5, {0, 255, 0}},   {99, {0, 255, 0}},
    };
    for (const ColourCase& c : cases) {
        EXPECT_EQ(statuscolour::limbArmour(c.value), c.expected) << "class " << c.value;
    }
}

TEST(StatusColoursTest, MeterRatioIsClampedAndEmptyForAnEmptyRange) {
    struct Case {
        std::int64_t minimum, maximum, value;
        double expected;
    };
    const Case cases[] = {
        {0, 100, 50, 0.5},
        {0, 0, 10, 0.0},
        {0, 100, -20, 0.0},
        {0, 100, 250, 1.0},
        {0, 2147483647, 2147483647, 1.0},
        {0, -2147483647 - 1, 2147483647, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(statuscolour::meterRatio(c.minimum, c.maximum, c.value), c.expected)
            << c.minimum << ".." << c.maximum << " at " << c.value;
    }
}

TEST(StatusColoursTest, MeterRunsFromRedThroughYellowToGreen) {
    EXPECT_EQ(statuscolour::meter(0.0), (Rgb{255, 0, 0}));
    EXPECT_EQ(statuscolour::meter(0.25), (Rgb{255, 127, 0}));
    EXPECT_EQ(statuscolour::meter(0.5), (Rgb{255, 255, 0}));
    EXPECT_EQ(statuscolour::meter(0.75), (Rgb{127, 255, 0}));
    EXPECT_EQ(statuscolour::meter(1.0), (Rgb{0, 255, 0}));
}

} // namespace
} // namespace vesk
