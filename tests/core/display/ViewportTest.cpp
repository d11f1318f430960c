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
    view.setPage(Viewport::pageFor(200, 20));
    EXPECT_EQ(view.page(), 9);
    view.follow(3);
    EXPECT_EQ(view.lineAt(185, 200, 20), 2);
    EXPECT_EQ(view.lineAt(155, 200, 20), 1);
    EXPECT_EQ(view.lineAt(135, 200, 20), 0);
    EXPECT_EQ(view.lineAt(100, 200, 20), std::nullopt) << "above the first line";
}

// Lines 0-9 one row each, line 10 five rows (a line far wider than the pane), 11-19 one row.
Viewport withATallLine() {
    Viewport view;
    view.setRowCount([](int line) { return line == 10 ? 5 : 1; });
    view.setPage(4);
    view.follow(20);
    return view;
}

TEST(ViewportTest, StepsMoveByDisplayRowsSoEveryRowOfATallLineComesIntoSight) {
    Viewport view = withATallLine();
    view.rowsUp(9, 20);
    EXPECT_EQ(view.position(), 11) << "line 10 at the bottom";
    EXPECT_EQ(view.rowsBelow(), 0);
    view.lineUp(20);
    EXPECT_EQ(view.position(), 11);
    EXPECT_EQ(view.rowsBelow(), 1) << "its last row below the pane";
    view.rowsUp(3, 20);
    EXPECT_EQ(view.rowsBelow(), 4) << "its first row at the bottom";
    view.lineUp(20);
    EXPECT_EQ(view.position(), 10);
    EXPECT_EQ(view.rowsBelow(), 0);
    view.rowsDown(1, 20);
    EXPECT_EQ(view.position(), 11);
    EXPECT_EQ(view.rowsBelow(), 4) << "down again: line 10's first row";
    EXPECT_TRUE(view.scrolledBack());
    view.rowsDown(100, 20);
    EXPECT_EQ(view.position(), 20);
    EXPECT_FALSE(view.scrolledBack());
}

TEST(ViewportTest, UpStopsAtTheFirstRowOfTheFirstLine) {
    Viewport view;
    view.setRowCount([](int line) { return line == 0 ? 3 : 1; });
    view.setPage(2);
    view.follow(5);
    view.rowsUp(100, 5);
    EXPECT_EQ(view.position(), 1);
    EXPECT_EQ(view.rowsBelow(), 2);
}

TEST(ViewportTest, ScrollToLineCountsDisplayRows) {
    Viewport view = withATallLine();
    view.setPage(10);
    view.scrollToLine(12, 20);
    EXPECT_EQ(view.position(), 20) << "in sight already";
    // Lines 10-19 take 14 rows: line 10 goes half a page (5 rows) above the bottom.
    view.scrollToLine(10, 20);
    EXPECT_EQ(view.position(), 16);
    EXPECT_EQ(view.rowsBelow(), 0);
    EXPECT_FALSE(view.scrolledBack()) << "following is left as it was";
    // With a page of 6, half a page would cut line 10's first row: it goes one row up only.
    view.scrollTo(20, 20);
    view.setPage(6);
    view.scrollToLine(10, 20);
    EXPECT_EQ(view.position(), 12);
    view.scrollToLine(9, 20);
    EXPECT_EQ(view.position(), 11);
    EXPECT_EQ(view.rowsBelow(), 2) << "three rows of line 10 below line 9";
}

TEST(ViewportTest, RowsOfATallLineAreFoundFromTheBottom) {
    Viewport view = withATallLine();
    view.scrollTo(11, 20); // line 10's last row at the bottom
    // Rows 20 pixels high in a pane 200 high: the bottom row's top is at 168.
    EXPECT_EQ(view.lineAt(170, 200, 20), 10);
    EXPECT_EQ(view.lineAt(90, 200, 20), 10) << "its first row";
    EXPECT_EQ(view.lineAt(70, 200, 20), 9);
}

// The split view shows a marker while lines arrive below the place the player reads; End (or
// a command sent) joins the parts again and the count starts afresh with the next scroll.
TEST(ViewportTest, CountsTheLinesThatArriveWhileScrolledBackAndEndJoins) {
    Viewport view;
    view.setPage(10);
    view.follow(50);
    EXPECT_EQ(view.linesSinceScrollBack(50), 0);
    view.pageUp(50);
    view.follow(50);
    EXPECT_EQ(view.linesSinceScrollBack(50), 0) << "nothing new yet";
    view.follow(57);
    EXPECT_EQ(view.linesSinceScrollBack(57), 7);
    view.lineUp(57);
    EXPECT_EQ(view.linesSinceScrollBack(57), 7) << "scrolling further back keeps the count";
    view.scrollToEnd(57);
    EXPECT_FALSE(view.scrolledBack());
    EXPECT_EQ(view.position(), 57);
    EXPECT_EQ(view.linesSinceScrollBack(60), 0);
    view.follow(60);
    EXPECT_EQ(view.position(), 60) << "following again";
    view.lineUp(60);
    view.follow(61);
    EXPECT_EQ(view.linesSinceScrollBack(61), 1);
}

// Dropping the oldest lines moves the place shown down by as many indices, so the same text
// stays in sight, and the count of new lines is unchanged.
TEST(ViewportTest, KeepsItsPlaceWhenTheOldestLinesAreDropped) {
    Viewport view;
    view.setPage(10);
    view.follow(100);
    view.scrollTo(60, 100);
    view.follow(120);
    view.linesDropped(30);
    EXPECT_EQ(view.position(), 30);
    EXPECT_TRUE(view.scrolledBack());
    EXPECT_EQ(view.linesSinceScrollBack(90), 20);
    view.linesDropped(50);
    EXPECT_EQ(view.position(), 1) << "a place that was dropped becomes the oldest line";
}

} // namespace
} // namespace vesk
