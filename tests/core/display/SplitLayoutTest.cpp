#include "display/SplitLayout.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(SplitLayoutTest, JoinedTheUpperPartIsTheWholePane) {
    const SplitLayout layout = SplitLayout::of(600, 16, 33, false);
    EXPECT_FALSE(layout.split);
    EXPECT_EQ(layout.upper, (PaneSpan{0, 600}));
    EXPECT_EQ(layout.tail.height, 0);
}

TEST(SplitLayoutTest, SplitTheTailTakesItsShareBelowTheDivider) {
    const SplitLayout layout = SplitLayout::of(600, 16, 33, true);
    ASSERT_TRUE(layout.split);
    EXPECT_EQ(layout.tail, (PaneSpan{402, 198}));
    EXPECT_EQ(layout.divider, (PaneSpan{396, SplitLayout::dividerHeight}));
    EXPECT_EQ(layout.upper, (PaneSpan{0, 396}));
}

// Each part keeps two rows whatever share is stored; a pane too low for both is not split.
TEST(SplitLayoutTest, EveryPartKeepsTwoRows) {
    struct Case {
        int height;
        int percent;
        bool split;
        int tailHeight;
    };
    const int leastPart = 16 * 2 + 8 + 2;
    for (const Case& test :
         {Case{600, 1, true, 60}, Case{600, 99, true, 540}, Case{200, 10, true, leastPart},
          Case{200, 90, true, 200 - 6 - leastPart}, Case{2 * leastPart + 5, 50, false, 0},
          Case{2 * leastPart + 6, 50, true, leastPart}}) {
        const SplitLayout layout = SplitLayout::of(test.height, 16, test.percent, true);
        EXPECT_EQ(layout.split, test.split) << test.height << " " << test.percent;
        EXPECT_EQ(layout.tail.height, test.tailHeight) << test.height << " " << test.percent;
        if (layout.split) {
            EXPECT_GE(layout.upper.height, leastPart);
            EXPECT_EQ(layout.upper.height + layout.divider.height + layout.tail.height,
                      test.height);
        }
    }
}

TEST(SplitLayoutTest, DraggingTheDividerSetsTheShareWithinItsLimits) {
    EXPECT_EQ(SplitLayout::tailPercentAt(300, 600), 50);
    EXPECT_EQ(SplitLayout::tailPercentAt(450, 600), 25);
    EXPECT_EQ(SplitLayout::tailPercentAt(599, 600), SplitLayout::leastTailPercent);
    EXPECT_EQ(SplitLayout::tailPercentAt(-40, 600), SplitLayout::mostTailPercent);
    EXPECT_EQ(SplitLayout::tailPercentAt(10, 0), SplitLayout::defaultTailPercent);
}

} // namespace
} // namespace vesk
