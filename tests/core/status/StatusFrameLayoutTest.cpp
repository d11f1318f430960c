#include "status/StatusFrameLayout.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(StatusFrameLayoutTest, PlacesViewScrollBarAndLagMeter) {
    struct Case {
        const char* name;
        StatusFrameLayout::Input input;
        StatusFrameLayout expected;
    };
    const Case cases[] = {
        {"no lag meter, no scroll bar",
         {177, 460, false, false, 13, 13},
         {{0, 0, 177, 460}, {177, 0, 0, 460}, {}, {}, false}},
        {"no lag meter, scroll bar",
         {177, 460, true, false, 13, 13},
         {{0, 0, 163, 460}, {163, 0, 14, 460}, {}, {}, false}},
        // e = 13 + 2 = 15, f = 16: the view is 460 - 15 - 16 - 7 = 422 high.
        {"lag meter, scroll bar",
         {177, 460, true, true, 13, 16},
         {{0, 0, 163, 422}, {163, 0, 14, 422}, {0, 424, 177, 16}, {0, 445, 177, 15}, true}},
        {"lag meter, no scroll bar",
         {200, 300, false, true, 10, 12},
         {{0, 0, 200, 269}, {200, 0, 0, 269}, {0, 271, 200, 12}, {0, 288, 200, 12}, true}},
        {"window smaller than its parts",
         {10, 20, true, true, 13, 16},
         {{0, 0, 0, 0}, {-4, 0, 14, 0}, {0, -16, 10, 16}, {0, 5, 10, 15}, true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StatusFrameLayout::compute(c.input), c.expected) << c.name;
    }
}

} // namespace
} // namespace vesk
