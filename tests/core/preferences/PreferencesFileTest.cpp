#include "preferences/PreferencesFile.h"
#include "common/Reporting.h"
#include "preferences/Preferences.h"

#include "FakeHost.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

class PreferencesFileTest : public ::testing::Test {
protected:
    Preferences read(const std::string& text) {
        Preferences preferences;
        preferences.restoreDefaults();
        PreferencesFile::read(text, preferences, reporting);
        return preferences;
    }

    testing::FakeHost host;
    Reporting reporting{host, "Vesk.log"};
};

// The whole file as a fresh client writes it, spelled out line by line.
const char* const defaultFile = "GeneralInfo\n"
                                "Editor      xdg-open\n"
                                "HelpEditor  xdg-open\n"
                                "CmdEcho     1\n"
                                "Location    0 0\n"
                                "Dimensions  640 480\n"
                                "IsMaximized 0\n"
                                "ToolBar\t  0\n"
                                "useEasyMouseCopy 1\n"
                                "LagMeter    1\n"
                                "useCommandStacking 0\n"
                                "stackCharacter &\n"
                                "triggersEnabled 1\n"
                                "soundsEnabled 1\n"
                                "DisplayLoginAtStartup    1\n"
                                "DisplayLoginAtDisconnect 0\n"
                                "LastCharLoggedIn         -1\n"
                                "UsePasswordDohickey      1\n"
                                "ClearEditField\t\t   1\n"
                                "CreateNewProfiles\t\t   1\n"
                                "TypedTextEncoding        0\n"
                                "AutoReconnect            1\n"
                                "GatherChat               1\n"
                                "End\n"
                                "GeneralWindow\n"
                                "Num_CharactersWidth    80\n"
                                "NormalFontHeight       0\n"
                                "ScrollbackLines        1000000\n"
                                "SplitTailShare         33\n"
                                "SplitJoinOnSend        1\n"
                                "AnnounceOwnCommands    1\n"
                                "End\n"
                                "StatusWindow\n"
                                "Open             1\n"
                                "Moveable         0\n"
                                "FixedLocation    0\n"
                                "Narrow           0\n"
                                "MoveableLocation 0 0\n"
                                "Dimensions       177 497\n"
                                "BodyType\t\t   0\n"
                                "UseMainWindowFont 0\n"
                                "SmallBars\t\t\t1\n"
                                "PartyMobs\t\t\t0\n"
                                "End\n"
                                "SkillsWindow\n"
                                "Open        0\n"
                                "Location    0 300\n"
                                "Dimensions  615 191\n"
                                "End\n"
                                "ChatWindow\n"
                                "Open        0\n"
                                "NumLines    10\n"
                                "Location    1\n"
                                "Moveable    0\n"
                                "End\n"
                                "Colours\n"
                                "Blue            0 0 120\n"
                                "Green           0 120 0\n"
                                "Red             140 0 0\n"
                                "Yellow          200 120 0\n"
                                "Magenta         120 0 120\n"
                                "Cyan            0 140 140\n"
                                "White           200 200 200\n"
                                "Background      0 0 0\n"
                                "Selection       200 200 200\n"
                                "BlueBold            0 0 255\n"
                                "GreenBold           0 255 0\n"
                                "RedBold             255 0 0\n"
                                "YellowBold          255 255 0\n"
                                "MagentaBold         255 0 255\n"
                                "CyanBold            0 255 255\n"
                                "WhiteBold           255 255 255\n"
                                "End\n"
                                "LogPrefs\n"
                                "LogEverything     1\n"
                                "LogTells          1\n"
                                "LogSays           1\n"
                                "LogChannels       1\n"
                                "LogShouts         1\n"
                                "LogEverythingElse 1\n"
                                "LogFile           logfile.txt\n"
                                "LogPrepend\t\t0\n"
                                "LogDefault\t\t0\n"
                                "LogAutoName\t\t0\n"
                                "LogAutoNameOpt    1 1 1\n"
                                "End\n"
                                "Characters\n"
                                "End\n"
                                "Friends\n"
                                "showWhoWindow 1\n"
                                "showWhoLevel 1\n"
                                "showWhoName 1\n"
                                "showWhoRace 1\n"
                                "showWhoClass 1\n"
                                "Location     0 0\n"
                                "Dimensions   200 200\n"
                                "End\n";

#if defined(__linux__)
TEST_F(PreferencesFileTest, DefaultsAreWrittenInTheDocumentedLayout) {
    Preferences preferences;
    preferences.restoreDefaults();
    EXPECT_EQ(PreferencesFile::write(preferences), defaultFile);
}
#endif

TEST_F(PreferencesFileTest, EmptyOrForeignTextLeavesExactlyTheDefaults) {
    Preferences defaults;
    defaults.restoreDefaults();
    for (const char* text : {"", "\n\n", "generalinfo\nCmdEcho 0\nEnd\nLagMeter 0\n",
                             "GeneralInfo\tCmdEcho 0\n", "Nonsense\nCmdEcho 0\nEnd\n"}) {
        const Preferences read = this->read(text);
        EXPECT_EQ(read.settings, defaults.settings) << text;
        EXPECT_EQ(read.characters, defaults.characters) << text;
        EXPECT_EQ(read.friends, defaults.friends) << text;
    }
}

TEST_F(PreferencesFileTest, LowerCaseSectionIsSkippedIncludingItsEnd) {
    // The "End" of the unrecognised section must not close the real one that follows.
    const Preferences read = this->read("generalinfo\nCmdEcho 0\nEnd\nGeneralInfo\nLagMeter 0\n"
                                        "End\nCmdEcho 0\n");
    EXPECT_EQ(read.settings.number(setting::cmdEcho), 1);
    EXPECT_EQ(read.settings.number(setting::lagMeter), 0);
}

TEST_F(PreferencesFileTest, WrittenValuesReadBackUnchanged) {
    Preferences written;
    written.restoreDefaults();
    written.settings.setText(setting::editor, "/opt/My Editor/bin/edit --wait");
    written.settings.setText(setting::logFile, "logs/game log.txt");
    written.settings.setText(setting::stackCharacter, ";");
    written.settings.setNumber(setting::windowLocation, -20, 0);
    written.settings.setNumber(setting::windowLocation, 35, 1);
    written.settings.setNumber(setting::numCharactersWidth, 132);
    written.settings.setNumber(setting::colourCyanBold, 7, 2);
    written.settings.setNumber(setting::logAutoNameOpt, 0, 1);
    written.settings.setNumber(setting::showWhoWindow, 0);
    written.settings.setNumber(setting::whoDimensions, 333, 1);
    written.characters[0] = {"Thorn", "secret word", 2, 1};
    written.characters[1] = {"Bob", "", -1, 0};
    written.friends.addList("Pals");
    written.friends.addMember(0, "Ann");
    written.friends.addMember(0, "Cy");
    written.friends.addList("Foes");

    const Preferences read = this->read(PreferencesFile::write(written));
    EXPECT_EQ(read.settings, written.settings);
    EXPECT_EQ(read.characters, written.characters);
    EXPECT_EQ(read.friends, written.friends);
    EXPECT_EQ(read.settings.text(setting::editor), "/opt/My Editor/bin/edit --wait");
    EXPECT_EQ(read.settings.character(setting::stackCharacter), ';');
}

TEST_F(PreferencesFileTest, HandWrittenLinesAreReadAsDocumented) {
    const Preferences read = this->read("GeneralInfo\n"
                                        "Editor     c:\\my   tools\\ed.exe\r\n"
                                        "stackCharacter ;\n"
                                        "CmdEcho\n"
                                        "LagMeter abc\n"
                                        "cmdecho 0\n"
                                        "Location 5\n"
                                        "End\n"
                                        "LogPrefs\n"
                                        "LogAutoNameOpt 0\n"
                                        "LogFile\n"
                                        "End\n"
                                        "Friends\n"
                                        "SHOWWHOWINDOW 0\n"
                                        "ShowWhoLevel 0\n"
                                        "End\n");
    const Settings& settings = read.settings;
    EXPECT_EQ(settings.text(setting::editor), "c:\\my tools\\ed.exe");
    EXPECT_EQ(settings.character(setting::stackCharacter), ';');
    EXPECT_EQ(settings.number(setting::cmdEcho), 1) << "a key without value keeps its value";
    EXPECT_EQ(settings.number(setting::lagMeter), 0) << "a non-number reads as 0";
    EXPECT_EQ(settings.number(setting::windowLocation, 0), 5);
    EXPECT_EQ(settings.number(setting::windowLocation, 1), 0);
    EXPECT_EQ(settings.number(setting::logAutoNameOpt, 0), 0);
    EXPECT_EQ(settings.number(setting::logAutoNameOpt, 1), 1);
    EXPECT_EQ(settings.number(setting::logAutoNameOpt, 2), 1);
    EXPECT_EQ(settings.text(setting::logFile), "");
    EXPECT_EQ(settings.number(setting::showWhoWindow), 0) << "recognised in any letter case";
    EXPECT_EQ(settings.number(setting::showWhoLevel), 1);
    ASSERT_EQ(read.friends.size(), 1u) << "an unknown key in Friends is a list";
    EXPECT_EQ(read.friends[0].name, "ShowWhoLevel");
}

TEST_F(PreferencesFileTest, LongLinesAreReadWholeAndTheirValuesCut) {
    const std::string longPath(300, 'p');
    const Preferences read = this->read("GeneralInfo\nEditor " + longPath + " CmdEcho 0\nEnd\n" +
                                        std::string(300, 'S') + "GeneralWindow\nEnd\n");
    EXPECT_EQ(read.settings.text(setting::editor), std::string(255, 'p'));
    EXPECT_EQ(read.settings.number(setting::cmdEcho), 1) << "the tail is no key line";

    Preferences written;
    written.restoreDefaults();
    written.settings.setText(setting::logFile, std::string(255, 'f'));
    written.friends.addList("Guild");
    for (int member = 0; member < 20; ++member) {
        written.friends.addMember(0, std::string(31, static_cast<char>('a' + member)));
    }
    const Preferences back = this->read(PreferencesFile::write(written));
    EXPECT_EQ(back.settings, written.settings);
    EXPECT_EQ(back.friends, written.friends);
}

TEST_F(PreferencesFileTest, CharactersSectionFillsSlotsInOrder) {
    std::string text = "Characters\n# my alts\n";
    for (int block = 0; block < 70; ++block) {
        text += "character\nNAME Alt" + std::to_string(block) + " extra\npassword  \"pw " +
                std::to_string(block) + "\"\nProfile 3\nEND\n";
    }
    text += "End\n";
    const Preferences read = this->read(text);
    EXPECT_EQ(read.characters.usedCount(), 64);
    EXPECT_EQ(read.characters[0], (CharacterRecord{"Alt0", "pw 0", 3, 0}));
    EXPECT_EQ(read.characters[63].name, "Alt63");
    EXPECT_TRUE(host.traces.empty());
}

TEST_F(PreferencesFileTest, CharactersSectionTracesUnknownStringsAndCutsFields) {
    const std::string longName(40, 'n');
    const Preferences read = this->read("Characters\n"
                                        "Bogus 1\n"
                                        "end\n"
                                        "Character\n"
                                        "Name " +
                                        longName +
                                        "\n"
                                        "Password \"" +
                                        std::string(40, 'p') +
                                        "\"\n"
                                        "Colour red\n"
                                        "Profile\n"
                                        "End\n"
                                        "Character\n"
                                        "Password \"nameless\"\n"
                                        "End\n"
                                        "End\n"
                                        "GeneralInfo\nCmdEcho 0\nEnd\n");
    EXPECT_EQ(host.traces, (std::vector<std::string>{"LoadCharacters() Unknown string 'Bogus'\n",
                                                     "LoadCharacters() Unknown string 'end'\n",
                                                     "LoadCharacter() Unknown string 'Colour'\n"}));
    EXPECT_EQ(read.characters[0],
              (CharacterRecord{longName.substr(0, 31), std::string(31, 'p'), -1, 0}));
    EXPECT_FALSE(read.characters.isUsed(1)) << "a block without a name takes no slot";
    EXPECT_EQ(read.settings.number(setting::cmdEcho), 0);
}

TEST_F(PreferencesFileTest, FriendsListsKeepFileOrderAndCutNames) {
    const Preferences read = this->read("Friends\nPals Ann  Bob\t" + std::string(40, 'z') + "\n\n" +
                                        std::string(40, 'L') + "\nEnd\n");
    ASSERT_EQ(read.friends.size(), 2u);
    EXPECT_EQ(read.friends[0], (FriendsList{"Pals", {"Ann", "Bob", std::string(31, 'z')}}));
    EXPECT_EQ(read.friends[1], (FriendsList{std::string(31, 'L'), {}}));
    std::string written;
    read.friends.writeListLines(written);
    EXPECT_EQ(written.substr(0, 13), "Pals Ann Bob ");
}

} // namespace
} // namespace vesk
