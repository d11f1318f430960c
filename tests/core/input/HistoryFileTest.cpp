#include "input/HistoryFile.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vesk::testing {
namespace {

TEST(HistoryFileTest, WritesTheLastFiveHundredOwnerOnlyAndReadsThemBack) {
    ScratchFolder folder;
    const auto path = HistoryFile::pathFor(folder.path(), "Tamsin");
    EXPECT_EQ(path.filename(), "History_Tamsin.txt");
    std::vector<std::string> entries;
    for (int index = 0; index < 620; ++index) {
        entries.push_back("say " + std::to_string(index));
    }
    entries.push_back("");
    ASSERT_TRUE(HistoryFile::write(path, entries));
    const auto read = HistoryFile::read(path);
    ASSERT_EQ(read.size(), HistoryFile::limit);
    EXPECT_EQ(read.front(), "say 121");
    EXPECT_EQ(read[498], "say 619");
    EXPECT_EQ(read.back(), "");
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
}

// A file grown by hand (or by another client) past the limit is read for its newest lines.
TEST(HistoryFileTest, ReadsTheNewestOfALongFileAndNothingOfAMissingOne) {
    ScratchFolder folder;
    std::string text;
    for (int index = 0; index < 700; ++index) {
        text += "look " + std::to_string(index) + "\r\n";
    }
    folder.write("History_Bob.txt", text);
    const auto read = HistoryFile::read(HistoryFile::pathFor(folder.path(), "Bob"));
    ASSERT_EQ(read.size(), HistoryFile::limit);
    EXPECT_EQ(read.front(), "look 200");
    EXPECT_EQ(read.back(), "look 699");
    EXPECT_TRUE(HistoryFile::read(HistoryFile::pathFor(folder.path(), "Nobody")).empty());
}

// A name from the server never leaves the folder; a line break never splits a command.
TEST(HistoryFileTest, NamesAreCleanedAndCommandsStayOneLineEach) {
    ScratchFolder folder;
    EXPECT_EQ(HistoryFile::pathFor(folder.path(), "../../etc/passwd").filename(),
              "History_______etc_passwd.txt");
    EXPECT_TRUE(HistoryFile::pathFor(folder.path(), "").empty());
    const auto path = HistoryFile::pathFor(folder.path(), "Tamsin");
    ASSERT_TRUE(HistoryFile::write(path, {"say one\ntwo", "look"}));
    EXPECT_EQ(HistoryFile::read(path), (std::vector<std::string>{"say one", "look"}));
}

} // namespace
} // namespace vesk::testing
