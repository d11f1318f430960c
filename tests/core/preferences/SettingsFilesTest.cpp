// What the client promises about the player's files: nothing it could not read is written
// over without a copy, read-only files and links are respected, and nothing but a regular
// file is ever read.
#include "common/FileText.h"
#include "common/LineReader.h"
#include "common/Reporting.h"
#include "preferences/Preferences.h"

#include "FakeHost.h"
#include "ScratchFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vesk {
namespace {

namespace fs = std::filesystem;

class SettingsFilesTest : public ::testing::Test {
protected:
    SettingsFilesTest() { previousMask_ = ::umask(022); }
    ~SettingsFilesTest() override { ::umask(previousMask_); }

    Preferences loadFromFolder() {
        Preferences preferences;
        preferences.LoadPreferences(folder.path(), reporting);
        return preferences;
    }

    static unsigned permissions(const fs::path& path) {
        struct stat status {};
        ::stat(path.c_str(), &status);
        return status.st_mode & 0777;
    }

    void write(const fs::path& path, const std::string& content, unsigned mode = 0644) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(content.data(), 1, content.size(), file);
        std::fclose(file);
        ::chmod(path.c_str(), mode);
    }

    std::string text(const fs::path& path) { return readFileText(path).value_or("<missing>"); }

    std::size_t entries(const fs::path& path) {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(path), fs::directory_iterator()));
    }

    testing::ScratchFolder folder;
    testing::FakeHost host;
    Reporting reporting{host, folder / "Vesk.log"};

private:
    mode_t previousMask_ = 0;
};

struct UnreadableCase {
    const char* name;
    const char* file;
    std::string content;
};

class UnreadableFileTest : public SettingsFilesTest,
                           public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableFileTest, IsKeptBesideItselfBeforeItIsWrittenOver) {
    const UnreadableCase& unreadable = GetParam();
    write(folder / unreadable.file, unreadable.content);
    Preferences preferences = loadFromFolder();
    EXPECT_TRUE(host.warnings.empty()) << "nothing is said until something would be lost";

    ASSERT_TRUE(preferences.SavePreferences(folder.path(), reporting));
    const std::string kept = std::string(unreadable.file) + ".unreadable";
    EXPECT_EQ(text(folder / kept), unreadable.content);
    EXPECT_EQ(permissions(folder / kept), 0600u);
    EXPECT_NE(text(folder / unreadable.file), unreadable.content);
    EXPECT_EQ(host.warnings,
              (std::vector<std::string>{"'" + std::string(unreadable.file) +
                                        "' could not be read as it stands; it was kept as '" +
                                        kept + "' before being written over"}));

    // Told once: the next save writes the client's own file without another copy.
    ASSERT_TRUE(preferences.SavePreferences(folder.path(), reporting));
    EXPECT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(entries(folder.path()), 4u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableFileTest,
    ::testing::Values(
        UnreadableCase{"ProfilesThatEndBeforeTheyBegin", "Profiles.DAT",
                       "End\nNewProfile\nName \"Thorn\"\nTriggers\nYou@#$#@eat@#$#@1\nEnd\nEnd\n"},
        UnreadableCase{"ProfilesOfGarbage", "Profiles.DAT",
                       std::string("\x89PNG\r\n\x1a\n\0\0", 10)},
        UnreadableCase{"ProfilesWithAnUnknownLine", "Profiles.DAT",
                       "NewProfile\nName \"Thorn\"\nColour red\nEnd\n"},
        UnreadableCase{"PreferencesOfGarbage", "Preferences.DAT",
                       "just some notes\nnot settings\n"},
        UnreadableCase{"PreferencesWithJunkBesideAKnownSection", "Preferences.DAT",
                       "junk that is no setting\n%%%\nGeneralInfo\nCmdEcho 0\nEnd\n"},
        UnreadableCase{"PreferencesAfterHelloWorld", "Preferences.DAT",
                       "hello world\nGeneralInfo\nCmdEcho 0\nEnd\nLogPrefs\nLogTells 0\nEnd\n"},
        UnreadableCase{"PreferencesWithAStrayLineInASection", "Preferences.DAT",
                       "GeneralInfo\nCmdEcho 0\n!! 5\nEnd\n"},
        UnreadableCase{"FontRecordTooShort", "Prefs2.dat", "0123456789"},
        UnreadableCase{"FontRecordTooLong", "Prefs2.dat", std::string(100, '\0')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFilesTest, AnEarlierKeptCopyIsNeverOverwritten) {
    write(folder / "Profiles.DAT", "End\n");
    write(folder / "Profiles.DAT.unreadable", "the first one");
    Preferences preferences = loadFromFolder();
    preferences.SavePreferences(folder.path(), reporting);
    EXPECT_EQ(text(folder / "Profiles.DAT.unreadable"), "the first one");
    EXPECT_EQ(text(folder / "Profiles.DAT.unreadable.2"), "End\n");
}

TEST_F(SettingsFilesTest, FilesTheClientWroteAreNotKept) {
    Preferences preferences = loadFromFolder();
    preferences.profiles.appendNew("Thorn");
    ASSERT_TRUE(preferences.SavePreferences(folder.path(), reporting));
    preferences = loadFromFolder();
    ASSERT_TRUE(preferences.SavePreferences(folder.path(), reporting));
    EXPECT_TRUE(host.warnings.empty());
    EXPECT_EQ(entries(folder.path()), 3u);
}

TEST_F(SettingsFilesTest, AReadOnlyProfilesFileIsLeftAsItIs) {
    write(folder / "Profiles.DAT", "NewProfile\nName \"Mine\"\nEnd\n", 0444);
    Preferences preferences = loadFromFolder();
    preferences.profiles.appendNew("Thorn");
    EXPECT_FALSE(preferences.SavePreferences(folder.path(), reporting));
    EXPECT_EQ(host.warnings, (std::vector<std::string>{"Error writing to 'Profiles.DAT'"}));
    EXPECT_EQ(text(folder / "Profiles.DAT"), "NewProfile\nName \"Mine\"\nEnd\n");
    EXPECT_EQ(permissions(folder / "Profiles.DAT"), 0444u);
}

// The read-only file is left alone, but a profile made this session is still saved, and the one
// box names the file that was not.
TEST_F(SettingsFilesTest, AReadOnlyPreferencesFileIsLeftAndTheOthersAreSaved) {
    write(folder / "Preferences.DAT", "GeneralInfo\nCmdEcho 0\nEnd\n", 0400);
    Preferences preferences = loadFromFolder();
    preferences.profiles.appendNew("Thorn");
    EXPECT_FALSE(preferences.SavePreferences(folder.path(), reporting));
    EXPECT_EQ(host.warnings,
              (std::vector<std::string>{"Unable to open 'Preferences.DAT' for writing"}));
    EXPECT_EQ(text(folder / "Preferences.DAT"), "GeneralInfo\nCmdEcho 0\nEnd\n");
    EXPECT_NE(text(folder / "Profiles.DAT").find("Name \"Thorn\""), std::string::npos);
    EXPECT_EQ(entries(folder.path()), 3u);
}

// A key or a section this client does not know is most likely a newer client's: the file is
// kept beside itself before it is written over, but quietly (a note in "Vesk.log"), and a
// newer client writing it back each time makes no pile of copies.
TEST_F(SettingsFilesTest, ANewerClientsSettingsAreKeptQuietly) {
    const std::string newer = "GeneralInfo\nCmdEcho 0\nSpellCheck 1\nEnd\nMapWindow\nOpen 1\nEnd\n";
    for (int run = 0; run < 2; ++run) {
        write(folder / "Preferences.DAT", newer, 0600);
        Preferences preferences = loadFromFolder();
        EXPECT_EQ(preferences.settings.number(setting::cmdEcho), 0);
        ASSERT_TRUE(preferences.SavePreferences(folder.path(), reporting));
        EXPECT_TRUE(host.warnings.empty());
        EXPECT_EQ(text(folder / "Preferences.DAT.unreadable"), newer);
        EXPECT_NE(text(folder / "Vesk.log")
                      .find("'Preferences.DAT' holds settings this client "
                            "does not know; it was kept as "
                            "'Preferences.DAT.unreadable'"),
                  std::string::npos);
        EXPECT_EQ(entries(folder.path()), 5u) << "run " << run;
    }
}

// Comments and blank lines are no loss, so they alone make no copy.
TEST_F(SettingsFilesTest, CommentsAndBlankLinesMakeNoCopy) {
    write(folder / "Preferences.DAT", "# my notes\n\nGeneralInfo\n#x 1\n\nCmdEcho 0\nEnd\n", 0600);
    Preferences preferences = loadFromFolder();
    ASSERT_TRUE(preferences.SavePreferences(folder.path(), reporting));
    EXPECT_EQ(entries(folder.path()), 3u);
    EXPECT_TRUE(host.warnings.empty());
}

// A save keeps the mode the player gave a file; the file that holds passwords never gets more
// than its owner's bits.
TEST_F(SettingsFilesTest, ASaveKeepsEachFilesMode) {
    write(folder / "Profiles.DAT", "NewProfile\nName \"Default\"\nEnd\n", 0600);
    write(folder / "Preferences.DAT", "GeneralInfo\nCmdEcho 0\nEnd\n", 0644);
    write(folder / "Prefs2.dat", std::string(60, '\0'), 0640);
    Preferences preferences = loadFromFolder();
    ASSERT_TRUE(preferences.SavePreferences(folder.path(), reporting));
    EXPECT_EQ(permissions(folder / "Profiles.DAT"), 0600u);
    EXPECT_EQ(permissions(folder / "Preferences.DAT"), 0600u);
    EXPECT_EQ(permissions(folder / "Prefs2.dat"), 0640u);
}

// Players keep settings in a dotfile folder and link them in: the link stays, the file it
// leads to is replaced in its own folder and keeps its mode (owner-only at most for the file
// that holds passwords).
TEST_F(SettingsFilesTest, LinkedFilesAreUpdatedWhereTheyLive) {
    const fs::path dotfiles = folder / "dotfiles";
    fs::create_directory(dotfiles);
    fs::create_directory(folder / "game");
    write(dotfiles / "profiles", "NewProfile\nName \"Default\"\nEnd\n", 0666);
    write(dotfiles / "preferences", "GeneralInfo\nCmdEcho 0\nEnd\n", 0644);
    fs::create_symlink("../dotfiles/profiles", folder / "game" / "Profiles.DAT");
    fs::create_symlink(dotfiles / "preferences", folder / "game" / "Preferences.DAT");

    Preferences preferences;
    preferences.LoadPreferences(folder / "game", reporting);
    EXPECT_EQ(preferences.settings.number(setting::cmdEcho), 0);
    preferences.profiles.appendNew("Thorn");
    ASSERT_TRUE(preferences.SavePreferences(folder / "game", reporting));

    EXPECT_TRUE(fs::is_symlink(folder / "game" / "Profiles.DAT"));
    EXPECT_TRUE(fs::is_symlink(folder / "game" / "Preferences.DAT"));
    EXPECT_NE(text(dotfiles / "profiles").find("Name \"Thorn\""), std::string::npos);
    EXPECT_NE(text(dotfiles / "preferences").find("CmdEcho     0"), std::string::npos);
    EXPECT_EQ(permissions(dotfiles / "profiles"), 0666u);
    EXPECT_EQ(permissions(dotfiles / "preferences"), 0600u);
    EXPECT_EQ(entries(dotfiles), 2u) << "no temporary file is left behind";
    EXPECT_EQ(entries(folder / "game"), 3u);
    EXPECT_TRUE(host.warnings.empty());
}

// A pipe would hold start-up forever and a device never ends: neither is read nor replaced.
TEST_F(SettingsFilesTest, OnlyRegularFilesAreReadOrReplaced) {
    ASSERT_EQ(::mkfifo((folder / "Profiles.DAT").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder / "Prefs2.dat");
    Preferences preferences = loadFromFolder();
    EXPECT_EQ(preferences.profiles[0], CharacterProfileList::defaultProfile());
    EXPECT_EQ(
        host.warnings,
        (std::vector<std::string>{
            "'Prefs2.dat' is not a regular file; it was not read and will not be written over",
            "'Profiles.DAT' is not a regular file; it was not read and will not be written "
            "over"}));
    host.warnings.clear();
    EXPECT_FALSE(preferences.SavePreferences(folder.path(), reporting));
    EXPECT_TRUE(fs::is_fifo(folder / "Profiles.DAT"));
    EXPECT_TRUE(fs::is_symlink(folder / "Prefs2.dat"));
    EXPECT_EQ(host.warnings, (std::vector<std::string>{
                                 "Unable to open 'Profiles.DAT' and 'Prefs2.dat' for writing"}));
}

// A file that is there but does not open (here a link that leads to itself; for a player,
// usually one whose permissions shut them out) gives the defaults, and since no copy of it can
// be kept it is not written over.
TEST_F(SettingsFilesTest, AFileThatDoesNotOpenGivesTheDefaultsAndIsNotWrittenOver) {
    fs::create_symlink("Profiles.DAT", folder / "Profiles.DAT");
    Preferences preferences = loadFromFolder();
    EXPECT_EQ(preferences.profiles[0], CharacterProfileList::defaultProfile());
    EXPECT_FALSE(preferences.SavePreferences(folder.path(), reporting));
    EXPECT_EQ(host.warnings, (std::vector<std::string>{"Error writing to 'Profiles.DAT'"}));
    EXPECT_EQ(fs::read_symlink(folder / "Profiles.DAT"), "Profiles.DAT");
}

// Lines come from the file in pieces; one longer than a piece is joined, one longer than the
// limit is cut and its tail skipped, never read as lines of its own.
TEST_F(SettingsFilesTest, FilesAreReadLineByLineWithinTheLimit) {
    const std::string longLine(200000, 'x');
    const std::string endless(LineReader::wholeLine + 5000, 'y');
    write(folder / "lines", "first\n" + longLine + "\n" + endless + "\nlast");
    const int descriptor = ::open((folder / "lines").c_str(), O_RDONLY);
    ASSERT_GE(descriptor, 0);
    LineReader reader(descriptor);
    EXPECT_EQ(reader.readLine(254), "first");
    EXPECT_EQ(reader.readLine(LineReader::wholeLine), longLine);
    EXPECT_EQ(reader.readLine(LineReader::wholeLine), endless.substr(0, LineReader::wholeLine));
    EXPECT_EQ(reader.readLine(254), "last");
    EXPECT_EQ(reader.readLine(254), std::nullopt);
    ::close(descriptor);
}

} // namespace
} // namespace vesk
