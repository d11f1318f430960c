#include "app/MainWindowLayout.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

MainLayoutInput window(int width, int height) {
    MainLayoutInput in;
    in.clientWidth = width;
    in.clientHeight = height;
    in.fontHeight = 14;
    in.lineHeight = 15;
    in.lagReadoutHeight = 16;
    in.lagBarHeight = 6;
    return in;
}

TEST(MainWindowLayoutTest, DockedRightIsTheDefault) {
    const MainLayout layout = layoutMainWindow(window(800, 600));
    EXPECT_EQ(layout.inputHeight, 23);
    EXPECT_TRUE(layout.statusDocked);
    // T = 800 - 2 - 145 - 10 = 643; Y = 600 - 23 - 1 = 576.
    EXPECT_EQ(layout.input, (PaneRect{1, 576, 643, 23}));
    EXPECT_EQ(layout.output, (PaneRect{1, 1, 630, 573}));
    EXPECT_EQ(layout.outputScroll, (PaneRect{631, 1, 13, 573}));
    EXPECT_EQ(layout.status, (PaneRect{654, 1, 145, 598 - 23}));
    EXPECT_EQ(layout.lagReadout, (PaneRect{654, 576, 145, 16}));
    EXPECT_EQ(layout.lagBar, (PaneRect{654, 594, 145, 8}));
}

TEST(MainWindowLayoutTest, TableOfArrangements) {
    struct Case {
        const char* name;
        MainLayoutInput in;
        PaneRect output;
        PaneRect status;
    };
    auto left = window(800, 600);
    left.statusLeft = true;
    auto narrowScroll = window(800, 600);
    narrowScroll.statusNarrow = true;
    narrowScroll.statusScrollShown = true;
    auto floating = window(800, 600);
    floating.statusMoveable = true;
    auto maximised = window(800, 600);
    maximised.maximised = true;
    maximised.lagMeter = false;
    auto tiny = window(100, 600);
    const std::vector<Case> cases = {
        {"docked left", left, {157, 1, 630, 573}, {1, 1, 145, 575}},
        // s = 72 + 13 = 85: T = 800 - 2 - 85 - 10 = 703.
        {"narrow with scroll bar", narrowScroll, {1, 1, 690, 573}, {714, 1, 72, 575}},
        {"floating: text takes the width", floating, {1, 1, 785, 573}, {654, 1, 145, 598}},
        {"maximised: no margin, no lag meter", maximised, {0, 0, 632, 575}, {655, 0, 145, 600}},
        {"narrower than the pane", tiny, {1, 1, -70, 573}, {-46, 1, 145, 575}},
    };
    for (const Case& test : cases) {
        const MainLayout layout = layoutMainWindow(test.in);
        EXPECT_EQ(layout.output, test.output) << test.name;
        EXPECT_EQ(layout.status, test.status) << test.name;
    }
}

TEST(MainWindowLayoutTest, ChatPaneTakesRowsAboveOrBelowTheOutput) {
    auto in = window(800, 600);
    in.chatOpen = true;
    in.chatLines = 10;
    MainLayout top = layoutMainWindow(in);
    EXPECT_EQ(top.chat, (PaneRect{1, 1, 630, 150}));
    EXPECT_EQ(top.output, (PaneRect{1, 151, 630, 423}));
    in.chatLocation = 0;
    MainLayout bottom = layoutMainWindow(in);
    EXPECT_EQ(bottom.output, (PaneRect{1, 1, 630, 423}));
    EXPECT_EQ(bottom.chat, (PaneRect{1, 424, 630, 150}));
    EXPECT_EQ(bottom.chatScroll, (PaneRect{631, 424, 13, 150}));
}

} // namespace
} // namespace vesk
