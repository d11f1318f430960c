#include "remote/BrowserLayout.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

struct Case {
    const char* name;
    int width;
    int height;
    int textHeight;
    BrowserLayout expected;
};

TEST(BrowserLayoutTest, HelpBrowserPlacesTreeListAndStatusLine) {
    const Case cases[] = {
        {"typical",
         600,
         400,
         16,
         {{5, 5, 150, 367}, {160, 5, 435, 367}, {5, 377, 590, 18}, {15, 378, 570, 16}}},
        {"tall font",
         480,
         300,
         24,
         {{5, 5, 150, 259}, {160, 5, 315, 259}, {5, 269, 470, 26}, {15, 270, 450, 24}}},
        {"narrower than the tree",
         100,
         60,
         13,
         {{5, 5, 150, 30}, {160, 5, 0, 30}, {5, 40, 90, 15}, {15, 41, 70, 13}}},
        {"squeezed to nothing",
         0,
         10,
         16,
         {{5, 5, 150, 0}, {160, 5, 0, 0}, {5, -13, 0, 18}, {15, -12, 0, 16}}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(layOutHelpBrowser(test.width, test.height, test.textHeight), test.expected);
    }
}

TEST(BrowserLayoutTest, HelpStatusLineStaysInsideItsFrame) {
    for (int textHeight = 8; textHeight <= 40; ++textHeight) {
        const BrowserLayout layout = layOutHelpBrowser(500, 300, textHeight);
        EXPECT_GT(layout.statusLine.y, layout.statusFrame.y);
        EXPECT_LT(layout.statusLine.y + layout.statusLine.height,
                  layout.statusFrame.y + layout.statusFrame.height);
        EXPECT_LT(layout.tree.y + layout.tree.height, layout.statusFrame.y);
    }
}

TEST(BrowserLayoutTest, FileBrowserSplitsAThirdForTheTree) {
    const Case cases[] = {
        // textHeight carries the status line's height; the frame holds it with its margins.
        {"typical",
         660,
         420,
         16,
         {{0, 0, 220, 387}, {222, 0, 438, 387}, {0, 392, 660, 28}, {10, 398, 640, 16}}},
        {"width not divisible by three",
         641,
         300,
         14,
         {{0, 0, 213, 269}, {215, 0, 426, 269}, {0, 274, 641, 26}, {10, 280, 621, 14}}},
        {"squeezed to nothing",
         1,
         10,
         16,
         {{0, 0, 0, 0}, {2, 0, 0, 0}, {0, -18, 1, 28}, {10, -12, 0, 16}}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const int frameHeight = fileBrowserFrameHeight(test.textHeight);
        EXPECT_EQ(layOutFileBrowser(test.width, test.height, frameHeight, test.textHeight),
                  test.expected);
    }
}

TEST(BrowserLayoutTest, FileBrowserFrameKeepsItsHeightOverRepeatedResizes) {
    const int frameHeight = fileBrowserFrameHeight(16);
    BrowserLayout layout = layOutFileBrowser(600, 400, frameHeight, 16);
    for (int height = 401; height < 420; ++height) {
        layout = layOutFileBrowser(600, height, layout.statusFrame.height, 16);
    }
    EXPECT_EQ(layout.statusFrame.height, frameHeight);
    EXPECT_EQ(layout.statusFrame.y + layout.statusFrame.height, 419);
}

} // namespace
} // namespace vesk
