#include "display/TextZoom.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(TextZoom, StepsStayWithinBoundsAndOnlyMoveTowardsThem) {
    struct Case {
        const char* name;
        int pixels;
        int steps;
        int expected;
    };
    const Case cases[] = {
        {"small text grows a pixel", 13, 1, 14},
        {"and shrinks a pixel", 13, -1, 12},
        {"larger text grows by a tenth", 30, 1, 33},
        {"and shrinks by a tenth", 33, -1, 30},
        {"no larger than 72", 70, 1, 72},
        {"72 stays", 72, 3, 72},
        {"no smaller than 6", 7, -5, 6},
        {"a size above the range only shrinks", 100, 1, 100},
        {"shrinking from above", 100, -1, 91},
        {"a size below the range only grows", 4, -1, 4},
        {"growing from below", 4, 1, 5},
        {"zero steps", 13, 0, 13},
        {"a wheel spun far", 13, 1000000, 72},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(TextZoom::zoomed(test.pixels, test.steps), test.expected) << test.name;
    }
    for (int pixels = TextZoom::smallest; pixels < TextZoom::largest; ++pixels) {
        EXPECT_GT(TextZoom::zoomed(pixels, 1), pixels);
        EXPECT_LT(TextZoom::zoomed(pixels + 1, -1), pixels + 1);
    }
}

} // namespace
} // namespace vesk
