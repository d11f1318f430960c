#include "display/Viewport.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(ViewportTest, FollowsNewLinesUntilScrolledBackAndResumesAtTheBottom) {
    Viewport view;
    view.setPage(10);
    view.follow(50);
    EXPECT_EQ(view.position(), 50);
    view.lineUp(50);
    EXPECT_TRUE(view.scrolledBack());
    view.follow(60);
    EXPECT_EQ(view.position(), 49) << "a view scrolled back stays put";
    view.scrollTo(view.scrollMaximum(60), 60);
    EXPECT_FALSE(view.scrolledBack());
    EXPECT_EQ(view.position(), 60);
    view.follow(61);
    EXPECT_EQ(view.position(), 61);
}

TEST(ViewportTest, ScrollingStopsAtTheTopAndPagesMoveByAPage) {
    Viewport view;
    view.setPage(10);
    view.follow(100);
    view.pageUp(100);
    EXPECT_EQ(view.position(), 90);
    view.scrollTo(-5, 100);
    EXPECT_EQ(view.position(), 0);
    view.pageDown(100);
    EXPECT_EQ(view.position(), 10);
    EXPECT_EQ(view.scrollMaximum(1), 10);
}

TEST(ViewportTest, RowsAreFoundFromTheBottom) {
    Viewport view;
    view.setPage(Viewport::PageFor(200, 20));
    EXPECT_EQ(view.page(), 9);
    view.follow(3);
    EXPECT_EQ(view.lineAt(185, 200, 20), 2);
    EXPECT_EQ(view.lineAt(155, 200, 20), 1);
    EXPECT_EQ(view.lineAt(135, 200, 20), 0);
    EXPECT_EQ(view.lineAt(100, 200, 20), std::nullopt) << "above the first line";
}

} // namespace
} // namespace vesk
