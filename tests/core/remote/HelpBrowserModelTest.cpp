#include "remote/HelpBrowserModel.h"

#include "FakeHost.h"
#include "RecordingSender.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

using testing::FakeHost;
using testing::RecordingSender;
using testing::ScratchFolder;

class HelpBrowserModelTest : public ::testing::Test {
protected:
    FakeHost host;
    RecordingSender sender;
    ScratchFolder directory;
    bool connected = true;
    std::string helpEditor = "/usr/bin/help viewer";
    HelpBrowserModel help{
        host, sender, directory.path(),
        HelpBrowserModel::Environment{[this] { return helpEditor; }, [this] { return connected; }}};
};

TEST(HelpCategories, EachTreeItemHasItsKey) {
    const std::pair<std::string_view, std::string_view> expected[] = {
        {"Player: General", "*player general"},
        {"Player: Commands", "*player commands"},
        {"Abilities", "*abilities"},
        {"High Mortal: General", "*high mortal general"},
        {"High Mortal: Commands", "*high mortal commands"},
    };
    const auto categories = HelpBrowserModel::Categories();
    ASSERT_EQ(categories.size(), std::size(expected));
    for (std::size_t index = 0; index < categories.size(); ++index) {
        EXPECT_EQ(categories[index].itemText, expected[index].first);
        EXPECT_EQ(HelpBrowserModel::categoryKey(expected[index].first), expected[index].second);
    }
    EXPECT_EQ(HelpBrowserModel::categoryKey("Other"), "Other");
}

TEST_F(HelpBrowserModelTest, RequestsGoOutOnlyWhileConnected) {
    help.selectCategory("Abilities");
    help.requestTopic("sword");
    EXPECT_EQ(sender.lines, (std::vector<std::string>{"vesk helpchange *abilities",
                                                      "vesk help sword *abilities"}));
    EXPECT_EQ(help.status(), "Current Status: Requesting file");
    help.selectCategory("Player: General");
    EXPECT_EQ(help.status(), "Current Status: Requesting contents of *player general");

    connected = false;
    sender.lines.clear();
    help.selectCategory("Abilities");
    help.requestTopic("sword");
    EXPECT_TRUE(sender.lines.empty());
    EXPECT_EQ(help.status(), "Current Status: Requesting contents of *player general");
    EXPECT_FALSE(help.requestShow());
    EXPECT_EQ(host.warnings,
              std::vector<std::string>{
                  "You need to be connected to FenmarchMUD for this command to work."});
}

TEST_F(HelpBrowserModelTest, TopicsAreListedInReverseOrderOfArrival) {
    help.onHelpContents({"a", "b", "c"});
    EXPECT_EQ(help.topics(), (std::vector<std::string>{"c", "b", "a"}));
    help.onHelpContents({});
    EXPECT_TRUE(help.topics().empty());
    EXPECT_EQ(help.status(), "Current Status: Idle");
}

TEST(HelpWrap, CapturedLinesAreWrappedAtEightyColumns) {
    const std::string a80(80, 'a');
    const std::string spaced = std::string(10, 'b') + " " + std::string(89, 'c');
    struct Case {
        const char* name;
        std::string line;
        std::string written;
    };
    const Case cases[] = {
        {"short line", "hello\n", "hello\n"},
        {"no blanks", std::string(200, 'x') + "\n",
         std::string(80, 'x') + "\n" + std::string(80, 'x') + "\n" + std::string(40, 'x') + "\n"},
        {"break after the last blank that fits", spaced + "\n",
         std::string(10, 'b') + " \n" + std::string(80, 'c') + "\n" + std::string(9, 'c') + "\n"},
        {"eighty columns and the line feed fit", a80 + "\n", a80 + "\n"},
        {"eighty columns with blanks fit", std::string(40, 'w') + " " + std::string(39, 'w') + "\n",
         std::string(40, 'w') + " " + std::string(39, 'w') + "\n"},
        {"eighty-one columns", a80 + "z\n", a80 + "\nz\n"},
        {"no line feed", std::string(81, 'y'), std::string(80, 'y') + "\ny"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HelpBrowserModel::wrapHelpLine(c.line), c.written) << c.name;
    }
}

TEST_F(HelpBrowserModelTest, APageIsCapturedToHelpTxtAndOpenedInTheHelpEditor) {
    help.beginText();
    EXPECT_EQ(help.status(), "Current Status: Receiving file .");
    help.ReceiveLine("first\n");
    help.ReceiveLine(std::string(90, 'x') + "\n");
    EXPECT_EQ(help.status(), "Current Status: Receiving file ...");
    help.endText();
    EXPECT_EQ(help.status(), "Current Status: Idle");
    EXPECT_EQ(directory.read("help.txt"),
              "first\n" + std::string(80, 'x') + "\n" + std::string(10, 'x') + "\n");
    const FakeHost::StartedProcess viewer{helpEditor, {(directory.path() / "help.txt").string()}};
    EXPECT_EQ(host.started, std::vector<FakeHost::StartedProcess>{viewer});

    help.beginText();
    help.ReceiveLine("second page\n");
    help.beginText();
    help.ReceiveLine("third page\n");
    help.endText();
    EXPECT_EQ(directory.read("help.txt"), "third page\n");
}

// A HELPEND with no page begun starts nothing, and a page starts the editor once; a long page
// keeps a status line of bounded length.
TEST_F(HelpBrowserModelTest, OnlyABegunPageStartsTheEditorOnce) {
    help.endText();
    EXPECT_TRUE(host.started.empty());
    help.beginText();
    std::size_t longest = 0;
    for (int line = 0; line < 1000; ++line) {
        help.ReceiveLine("line\n");
        longest = std::max(longest, help.status().size());
    }
    EXPECT_EQ(help.status(), "Current Status: Receiving file ." + std::string(40, '.'));
    EXPECT_LE(longest, std::string("Current Status: Receiving file .").size() + 60);
    help.endText();
    help.endText();
    EXPECT_EQ(host.started.size(), 1u);
}

TEST(HelpUnwritable, AFailedHelpFileIsReportedAndTheEditorStillStarts) {
    FakeHost host;
    RecordingSender sender;
    HelpBrowserModel help(host, sender, "/nonexistent-vesk-directory",
                          {[] { return std::string("viewer"); }, [] { return true; }});
    help.beginText();
    help.ReceiveLine("dropped\n");
    help.endText();
    EXPECT_EQ(host.warnings, std::vector<std::string>{"Error opening 'help.txt' for writing"});
    EXPECT_EQ(host.started.size(), 1u);
}

} // namespace
} // namespace vesk
