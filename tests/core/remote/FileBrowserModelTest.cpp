#include "remote/FileBrowserModel.h"

#include "FakeHost.h"
#include "RecordingSender.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

using testing::FakeHost;
using testing::RecordingSender;
using Image = FileBrowserModel::FileImage;
using Command = FileBrowserModel::FileCommand;

class FileBrowserModelTest : public ::testing::Test {
protected:
    FakeHost host;
    RecordingSender sender;
    bool connected = true;
    FileBrowserModel browser{host, sender, [this] { return connected; }};

    void SetUp() override { browser.ShowFileBrowser(); }

    std::vector<std::string> childNames(int directory) const {
        std::vector<std::string> names;
        for (const int child :
             browser.directories()[static_cast<std::size_t>(directory)].children) {
            names.push_back(browser.directories()[static_cast<std::size_t>(child)].name);
        }
        return names;
    }
    std::vector<std::string> fileNames() const {
        std::vector<std::string> names;
        for (const auto& file : browser.files()) {
            names.push_back(file.name);
        }
        return names;
    }
};

TEST(FileBrowserModelBeforeUse, ListingsBeforeTheWindowExistsAreDropped) {
    FakeHost host;
    RecordingSender sender;
    FileBrowserModel browser(host, sender, [] { return true; });
    browser.OnDirTree({"/", "d"});
    browser.OnDirFiles({"/", "x.c"});
    EXPECT_FALSE(browser.exists());
    EXPECT_TRUE(browser.directories().empty());
    EXPECT_TRUE(browser.files().empty());
}

TEST_F(FileBrowserModelTest, SelectingTheRootAsksForItsSubdirectories) {
    ASSERT_EQ(browser.directories().size(), 1u);
    EXPECT_EQ(browser.directories()[0].path, "/");
    EXPECT_EQ(browser.status(), "Current Status: Idle");
    browser.onTreeSelection(0);
    EXPECT_EQ(sender.lines, std::vector<std::string>{"ofile dir /"});
    EXPECT_EQ(browser.status(), "Current Status: Requesting subdirs of /");

    connected = false;
    browser.onTreeSelection(0);
    browser.onTreeDoubleClick(0);
    EXPECT_EQ(sender.lines.size(), 1u);
}

TEST_F(FileBrowserModelTest, DirTreeAddsSubdirectoriesOnceInSortedOrder) {
    browser.OnDirTree({"/", "zeta", "Alpha", "beta"});
    EXPECT_EQ(childNames(0), (std::vector<std::string>{"Alpha", "beta", "zeta"}));
    EXPECT_EQ(browser.findDirectory("/zeta/"), 1);
    EXPECT_EQ(browser.directories()[1].parent, 0);
    browser.OnDirTree({"/", "beta", "zeta"});
    EXPECT_EQ(browser.directories().size(), 4u);
    browser.OnDirTree({"/beta/", "inner"});
    EXPECT_EQ(browser.directories().back().path, "/beta/inner/");
    EXPECT_EQ(childNames(browser.findDirectory("/beta/")), std::vector<std::string>{"inner"});
    EXPECT_EQ(browser.status(), "Current Status: Idle");
}

TEST_F(FileBrowserModelTest, DirTreeForAnUnknownParentOnlyChangesTheStatus) {
    browser.OnDirTree({"/nowhere/", "d"});
    EXPECT_EQ(browser.directories().size(), 1u);
    EXPECT_EQ(browser.status(), "Current Status: Receiving subdirs..");
}

TEST_F(FileBrowserModelTest, TheTableStaysWithinItsLimits) {
    std::vector<std::string> names;
    for (int index = 0; index < 1100; ++index) {
        names.push_back("d" + std::to_string(index));
    }
    const std::string fits(253, 'p');    // "/" + 253 + "/" = 255 characters
    const std::string tooLong(254, 'q'); // 256 characters
    std::vector<std::string_view> tokens{"/", fits, tooLong};
    tokens.insert(tokens.end(), names.begin(), names.end());
    browser.OnDirTree(tokens);
    EXPECT_EQ(browser.directories().size(), FileBrowserModel::directoryLimit);
    EXPECT_GE(browser.findDirectory("/" + fits + "/"), 0);
    EXPECT_EQ(browser.findDirectory("/" + tooLong + "/"), -1);
    EXPECT_EQ(browser.findDirectory("/d1021/"), 1023);
    EXPECT_EQ(browser.findDirectory("/d1022/"), -1);
    for (const auto& directory : browser.directories()) {
        EXPECT_LE(directory.path.size(), FileBrowserModel::pathLimit);
    }
    EXPECT_EQ(browser.status(), "Current Status: Idle");
}

TEST_F(FileBrowserModelTest, DirFilesAddUpForOneDirectoryAndReplaceForAnother) {
    browser.OnDirTree({"/", "d", "e"});
    browser.OnDirFiles({"/d/", "a.c", "b.h"});
    browser.OnDirFiles({"/d/", "c"});
    EXPECT_EQ(fileNames(), (std::vector<std::string>{"c", "b.h", "a.c"}));
    EXPECT_EQ(browser.currentDir(), "/d/");
    EXPECT_TRUE(
        browser.directories()[static_cast<std::size_t>(browser.findDirectory("/d/"))].openImage);
    browser.OnDirFiles({"/e/", "z"});
    EXPECT_EQ(fileNames(), std::vector<std::string>{"z"});
    browser.OnDirFiles({"/unknown/", "y"});
    EXPECT_EQ(fileNames(), std::vector<std::string>{"z"});
    EXPECT_EQ(browser.status(), "Current Status: Idle");
}

TEST(FileBrowserImages, TheLastTwoCharactersChooseTheImage) {
    struct Case {
        const char* name;
        Image image;
    };
    const Case cases[] = {{"x.h", Image::Header},  {"x.c", Image::Source}, {".h", Image::Header},
                          {"x.cc", Image::Plain},  {"h", Image::Plain},    {"x.H", Image::Plain},
                          {"README", Image::Plain}};
    for (const Case& c : cases) {
        EXPECT_EQ(FileBrowserModel::imageFor(c.name), c.image) << c.name;
    }
}

TEST_F(FileBrowserModelTest, DoubleClickAsksForFilesAndMovesTheOpenImage) {
    browser.OnDirTree({"/", "d", "e"});
    browser.OnDirFiles({"/d/", "a.c"});
    const int d = browser.findDirectory("/d/");
    const int e = browser.findDirectory("/e/");
    browser.onTreeDoubleClick(e);
    EXPECT_TRUE(browser.files().empty());
    EXPECT_EQ(sender.lines.back(), "ofile files /e/");
    EXPECT_EQ(browser.status(), "Current Status: Requesting contents of /e/");
    browser.onTreeDoubleClick(d);
    EXPECT_TRUE(browser.directories()[static_cast<std::size_t>(d)].openImage);
    EXPECT_FALSE(browser.directories()[static_cast<std::size_t>(e)].openImage);
    browser.onTreeDoubleClick(d);
    EXPECT_FALSE(browser.directories()[static_cast<std::size_t>(d)].openImage);
    EXPECT_EQ(browser.openItem(), d);
}

TEST_F(FileBrowserModelTest, TheMenuActsOnTheRightClickedFile) {
    EXPECT_EQ(browser.commandText(Command::More), std::nullopt);
    browser.OnDirTree({"/", "d"});
    browser.OnDirFiles({"/d/", "x.c"});
    browser.selectFile("x.c");
    EXPECT_EQ(browser.selectedFile(), "/d/x.c");
    struct Case {
        Command command;
        std::string menuText;
        std::string sent;
    };
    const Case cases[] = {{Command::More, "more '/d/x.c'", "more /d/x.c"},
                          {Command::Clone, "clone '/d/x.c'", "clone /d/x.c"},
                          {Command::Update, "update '/d/x.c'", "update /d/x.c"},
                          {Command::Edit, "OED '/d/x.c'", "oed /d/x.c"}};
    for (const Case& c : cases) {
        EXPECT_EQ(browser.menuText(c.command), c.menuText);
        EXPECT_EQ(browser.commandText(c.command), c.sent);
    }
}

} // namespace
} // namespace vesk
