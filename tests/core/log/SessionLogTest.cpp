#include "log/SessionLog.h"
#include "common/FileText.h"
#include "common/Reporting.h"
#include "settings/Settings.h"

#include "FakeHost.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

class SessionLogTest : public ::testing::Test {
protected:
    std::string logText(const std::string& name = "logfile.txt") const {
        return readFileText(folder / name).value_or("<missing>");
    }

    void useAutomaticNames(int character, int date, int time) {
        settings.setNumber(setting::logAutoName, 1);
        settings.setNumber(setting::logAutoNameOpt, character, 0);
        settings.setNumber(setting::logAutoNameOpt, date, 1);
        settings.setNumber(setting::logAutoNameOpt, time, 2);
    }

    testing::ScratchFolder folder;
    testing::FakeHost host;
    Reporting reporting{host, folder / "Vesk.log"};
    Settings settings;
    localDateTime now{2005, 3, 4, 9, 8, 7};
    SessionLog log{settings, reporting, folder.path(), [this] { return now; }};
};

TEST_F(SessionLogTest, NothingIsWrittenWhileLoggingIsOff) {
    log.WriteLog("hello", LogCategory::Other);
    EXPECT_EQ(logText(), "<missing>");
    log.ToggleLogging();
    EXPECT_TRUE(log.loggingOn());
    EXPECT_EQ(host.countChanges(Change::Menu), 1);
    log.WriteLog("hello", LogCategory::Other);
    EXPECT_EQ(logText(), "hello\n");
}

TEST_F(SessionLogTest, CategorySwitchesChooseWhatIsWritten) {
    settings.setNumber(setting::logEverything, 0);
    settings.setNumber(setting::logSays, 0);
    settings.setNumber(setting::logShouts, 0);
    settings.setNumber(setting::logChannels, 0);
    settings.setNumber(setting::logEverythingElse, 0);
    log.ToggleLogging();
    log.WriteLog("Bob says: hi", LogCategory::Say);
    log.WriteLog("Bob tells you: hi", LogCategory::Tell);
    log.WriteLog("[Gossip] hi", LogCategory::Channel);
    log.WriteLog("Bob shouts hi", LogCategory::Shout);
    log.WriteLog("The room is dark.", LogCategory::Other);
    log.WriteLog("header", LogCategory::Header);
    log.WriteLog("odd", 6);
    log.WriteLog("odder", -1);
    EXPECT_EQ(logText(), "Bob tells you: hi\nheader\n");

    settings.setNumber(setting::logEverything, 2);
    log.WriteLog("Bob says: again", LogCategory::Say);
    EXPECT_EQ(logText(), "Bob tells you: hi\nheader\nBob says: again\n");
}

TEST_F(SessionLogTest, AutomaticNamesUseTheChosenParts) {
    log.connectionMade();
    log.SetCharacterName("Thorn");
    struct Case {
        int character, date, time;
        const char* expected;
    };
    const Case cases[] = {{1, 1, 1, "Log_Thorn__03_04_05__09_08_07.txt"},
                          {0, 0, 0, "Log.txt"},
                          {1, 0, 0, "Log_Thorn.txt"},
                          {0, 1, 0, "Log__03_04_05.txt"},
                          {2, 1, 1, "Log__03_04_05__09_08_07.txt"}};
    for (const auto& testCase : cases) {
        useAutomaticNames(testCase.character, testCase.date, testCase.time);
        EXPECT_EQ(log.LogFileName(), testCase.expected);
    }
    settings.setNumber(setting::logAutoName, 0);
    settings.setText(setting::logFile, "my log.txt");
    EXPECT_EQ(log.LogFileName(), "my log.txt");
}

TEST_F(SessionLogTest, ServerNamesCannotLeaveTheLogFolder) {
    useAutomaticNames(1, 0, 0);
    log.SetCharacterName("../../etc/passwd");
    EXPECT_EQ(log.LogFileName(), "Log_______etc_passwd.txt");
}

TEST_F(SessionLogTest, AutomaticNameWaitsForTheCharacterAndStartsWithTheHeader) {
    useAutomaticNames(1, 1, 1);
    log.ToggleLogging();
    log.connectionMade();
    log.WriteLog("Welcome to FenmarchMUD", LogCategory::Other);
    log.SetCharacterName("Thorn");
    log.WriteLog("You are standing in a field.", LogCategory::Other);
    const std::string rule(64, '=');
    EXPECT_EQ(logText("Log_Thorn__03_04_05__09_08_07.txt"),
              "\n" + rule + "\nLog for Thorn started on 03/04/05, at 09:08:07\n" + rule +
                  "\n\nYou are standing in a field.\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(SessionLogTest, HeaderOnlyWhenTheCharacterReallyChanges) {
    log.ToggleLogging();
    log.SetCharacterName("Thorn");
    EXPECT_EQ(logText(), "<missing>") << "no connection date yet";
    log.connectionMade();
    log.SetCharacterName("");
    log.SetCharacterName("Thorn");
    const std::string once = logText();
    EXPECT_NE(once.find("Log for Thorn"), std::string::npos);
    log.SetCharacterName("THORN");
    log.SetCharacterName("");
    EXPECT_EQ(logText(), once);
    EXPECT_EQ(host.countChanges(Change::Title), 5);
}

TEST_F(SessionLogTest, PrependWritesTheMainViewAsOneEntry) {
    settings.setNumber(setting::logPrepend, 1);
    int asked = 0;
    const auto mainView = [&asked] {
        ++asked;
        return std::string("line one\nline two");
    };
    log.ToggleLogging(mainView);
    log.ToggleLogging(mainView);
    EXPECT_EQ(logText(), "line one\nline two\n");
    EXPECT_EQ(asked, 1) << "not asked when logging is switched off";

    settings.setNumber(setting::logEverything, 0);
    settings.setNumber(setting::logEverythingElse, 0);
    log.ToggleLogging(mainView);
    EXPECT_EQ(logText(), "line one\nline two\n");
}

// One box for a run of lost entries, not one per line; the player hears again only after the
// log worked once more or was switched off and on.
TEST_F(SessionLogTest, UnopenableFileWarnsOnceUntilLoggingWorksAgain) {
    const std::string warning = "Unable to open log file for appending!";
    settings.setText(setting::logFile, "no such folder/log.txt");
    log.ToggleLogging();
    for (int line = 0; line < 1000; ++line) {
        log.WriteLog("lost", LogCategory::Other);
    }
    EXPECT_EQ(host.warnings, (std::vector<std::string>{warning}));

    log.ToggleLogging();
    log.ToggleLogging();
    log.WriteLog("lost", LogCategory::Other);
    EXPECT_EQ(host.warnings.size(), 2u);

    settings.setText(setting::logFile, "logfile.txt");
    log.WriteLog("kept", LogCategory::Other);
    settings.setText(setting::logFile, "no such folder/log.txt");
    log.WriteLog("lost", LogCategory::Other);
    log.WriteLog("lost", LogCategory::Other);
    EXPECT_EQ(host.warnings.size(), 3u);
    EXPECT_EQ(logText(), "kept\n");
}

// The lines of one read go to the file in one append when the read is done, in order and each
// to the file it was meant for, however many holds are nested; a file that cannot be opened
// is reported once for them.
TEST_F(SessionLogTest, HeldEntriesAreAppendedWhenTheLastHoldEnds) {
    useAutomaticNames(1, 0, 0);
    log.ToggleLogging();
    log.connectionMade();
    log.SetCharacterName("Tamsin");
    const std::string tamsinFile = log.LogFileName();
    const std::string header = logText(tamsinFile);
    {
        const SessionLog::HeldWrites read(log);
        log.WriteLog("one", LogCategory::Other);
        {
            const SessionLog::HeldWrites inner(log);
            log.WriteLog("two", LogCategory::Other);
        }
        EXPECT_EQ(logText(tamsinFile), header) << "nothing written before the read is done";
        log.SetCharacterName("Quill");
        log.WriteLog("three", LogCategory::Other);
    }
    EXPECT_EQ(logText(tamsinFile), header + "one\ntwo\n");
    const std::string quillFile = log.LogFileName();
    ASSERT_NE(quillFile, tamsinFile);
    EXPECT_TRUE(logText(quillFile).ends_with("\nthree\n"));
    EXPECT_NE(logText(quillFile).find("Log for Quill started"), std::string::npos);

    settings.setNumber(setting::logAutoName, 0);
    settings.setText(setting::logFile, "no such folder/log.txt");
    {
        const SessionLog::HeldWrites read(log);
        for (int line = 0; line < 100; ++line) {
            log.WriteLog("lost", LogCategory::Other);
        }
    }
    EXPECT_EQ(host.warnings, (std::vector<std::string>{"Unable to open log file for appending!"}));
}

// A name the server makes as long as it likes still gives a file name the system accepts.
TEST_F(SessionLogTest, AVeryLongCharacterNameStillNamesAWritableFile) {
    useAutomaticNames(1, 1, 1);
    log.ToggleLogging();
    log.connectionMade();
    log.SetCharacterName(std::string(300, 'a'));
    EXPECT_LE(log.LogFileName().size(), 255u);
    log.WriteLog("hello", LogCategory::Other);
    EXPECT_TRUE(host.warnings.empty());
    EXPECT_NE(logText(log.LogFileName()).find("hello\n"), std::string::npos);
}

TEST_F(SessionLogTest, HiddenInputIsNotLogged) {
    log.ToggleLogging();
    log.logEchoedCommand("look");
    log.setInputHidden(true);
    log.logEchoedCommand("my password");
    log.setInputHidden(false);
    log.logEchoedCommand("score");
    EXPECT_EQ(logText(), "look\nscore\n");
}

} // namespace
} // namespace vesk
