#include "app/Client.h"
#include "FakeHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vesk::testing {
namespace {

class ClientTest : public ::testing::Test {
protected:
    ClientTest() {
        directory =
            std::filesystem::temp_directory_path() /
            ("vesk-client-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        client = std::make_unique<Client>(host, directory);
    }
    ~ClientTest() override { std::filesystem::remove_all(directory); }

    void connect() {
        ASSERT_TRUE(client->ConnectToSite("localhost", "3000", "FenmarchMUD"));
        client->onConnecting();
        client->onConnected();
        host.clearRecords();
    }

    std::vector<std::string> rows() {
        std::vector<std::string> result;
        for (int index = 0; index < client->mainBuffer().LineCount(); ++index) {
            result.push_back(*client->mainBuffer().GetPlainLine(index));
        }
        return result;
    }

    FakeHost host;
    std::filesystem::path directory;
    std::unique_ptr<Client> client;
};

TEST_F(ClientTest, ConnectingWalksThroughTheTitlesAndShowsTheNotice) {
    ASSERT_TRUE(client->ConnectToSite("localhost", "3000", "FenmarchMUD"));
    EXPECT_EQ(client->title(), "Vesk - Preparing to Connect ..");
    client->onConnecting();
    EXPECT_EQ(client->title(), "Vesk - Connecting ..");
    client->onConnected();
    EXPECT_EQ(client->title(), "Vesk - Connected to FenmarchMUD");
    EXPECT_EQ(client->mainBuffer().line(0).text, "\x1b[33mConnected!\x1b[0;37;40m\x1b");
    EXPECT_EQ(rows(), (std::vector<std::string>{"Connected!", "", ""}));
    EXPECT_TRUE(client->connection().connected());
}

TEST_F(ClientTest, ConnectWhileConnectedIsRefused) {
    connect();
    EXPECT_FALSE(client->ConnectToSite("localhost", "3005", "FenmarchMUD"));
    EXPECT_EQ(host.warnings, std::vector<std::string>{"Disconnect first"});
    EXPECT_TRUE(client->connection().connected());
}

TEST_F(ClientTest, FailuresReportAndLeaveTheClientNotConnected) {
    ASSERT_TRUE(client->ConnectToSite("nowhere", "3000", "FenmarchMUD"));
    client->onHostLookupFailed();
    ASSERT_TRUE(client->ConnectToSite("localhost", "3000", "FenmarchMUD"));
    client->onConnecting();
    client->onConnectFailed();
    EXPECT_EQ(host.warnings,
              (std::vector<std::string>{"Unknown host", "Failed to connect to FenmarchMUD"}));
    EXPECT_EQ(client->title(), "Vesk - Not Connected");
    EXPECT_FALSE(client->connection().connected());
}

TEST_F(ClientTest, DisconnectShowsTheRedNoticeButExitDoesNot) {
    connect();
    client->onReceived("##VESK NAME Tamsin\n");
    EXPECT_TRUE(client->connection().session().loggedIn);
    client->playerDisconnected();
    EXPECT_EQ(rows().back(), "");
    EXPECT_EQ(rows()[rows().size() - 2], "Connection closed.");
    EXPECT_EQ(client->title(), "Vesk - Not Connected");
    EXPECT_FALSE(client->connection().session().loggedIn);

    connect();
    const int before = client->mainBuffer().LineCount();
    client->OnConnectionEnded(true);
    EXPECT_EQ(client->mainBuffer().LineCount(), before);
}

// A line ends with its line feed: a zero byte after it became the first character of the
// next command on servers that read it ("Command '\0look' is not available"). An empty text
// has nothing to send, so nothing goes out and no reply is awaited.
TEST_F(ClientTest, DoSendSendsTheTextAndALineFeedOnly) {
    connect();
    Connection& connection = client->connection();
    host.clock = 500;
    connection.DoSend("look");
    connection.DoSend("look\n");
    host.clock = 600;
    EXPECT_EQ(connection.DoSend(""), 0);
    EXPECT_EQ(host.sent, (std::vector<std::string>{"look\n", "look\n"}));
    EXPECT_EQ(client->lagMeter().pendingSends(), 2u);
    EXPECT_EQ(client->lagMeter().sendTime(), 500u);
}

TEST_F(ClientTest, OverlongLineIsCutWithAWarning) {
    connect();
    client->connection().DoSend(std::string(9000, 'a'));
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].size(), 8193u);
    EXPECT_EQ(host.sent[0].substr(8190), "aa\n");
    EXPECT_EQ(host.warnings.size(), 1u);
}

TEST_F(ClientTest, TelnetOnlyReadStoresNothingButCountsAsAReply) {
    connect();
    client->connection().DoSend("look");
    host.clock = 120;
    const int before = client->mainBuffer().LineCount();
    client->onReceived("\xff\xfb\x01");
    EXPECT_EQ(client->mainBuffer().LineCount(), before);
    EXPECT_EQ(host.countChanges(Change::MainBuffer), 0);
    EXPECT_EQ(client->lagMeter().lagMilliseconds(), 120u);
    EXPECT_TRUE(client->serverEchoes());
    client->onReceived("\xff\xfc\x01");
    EXPECT_FALSE(client->serverEchoes());
}

TEST_F(ClientTest, AHangUpAtThePasswordPromptEndsTheHiddenEcho) {
    connect();
    client->onReceived("Password: \xff\xfb\x01");
    EXPECT_TRUE(client->serverEchoes());
    client->OnConnectionEnded(false);
    EXPECT_FALSE(client->serverEchoes());
}

TEST_F(ClientTest, UnsupportedTelnetOptionsAreRefused) {
    connect();
    client->onReceived("\xff\xfd\x27\xff\xfb\x2a"
                       "Welcome\r\n");
    EXPECT_EQ(rows().back(), "Welcome");
    EXPECT_EQ(host.sent, (std::vector<std::string>{"\xff\xfc\x27", "\xff\xfe\x2a"}));
}

TEST_F(ClientTest, ReadErrorIsLoggedAndEndsTheConnectionNotTheProcess) {
    connect();
    client->onReadError();
    EXPECT_FALSE(client->connection().connected());
    EXPECT_TRUE(host.terminations.empty());
    std::ifstream log(directory / "Vesk.log");
    std::stringstream content;
    content << log.rdbuf();
    EXPECT_EQ(content.str(), "CMUDSocket::OnReceive: Error!\n");
}

TEST_F(ClientTest, FatalErrorEndsWithAFailureStatus) {
    client->reporting().fatalError("Error getting DC");
    EXPECT_EQ(host.terminations, std::vector<int>{1});
    EXPECT_EQ(host.traces, std::vector<std::string>{"Error getting DC"});
}

TEST_F(ClientTest, RefreshNeedsANamedCharacter) {
    connect();
    client->Refresh();
    EXPECT_TRUE(host.sent.empty());
    client->onReceived("##VESK NAME Tamsin\n");
    client->Refresh();
    EXPECT_EQ(host.sent, std::vector<std::string>{"vesk init 2.04\n"});
}

TEST_F(ClientTest, InitGrantsCodingAccessUntilTheNextConnection) {
    connect();
    client->onReceived("##VESK INIT\n");
    EXPECT_TRUE(client->codingAccess());
    client->OnConnectionEnded(false);
    connect();
    EXPECT_FALSE(client->codingAccess());
}

} // namespace
} // namespace vesk::testing

namespace vesk::testing {
namespace {

TEST_F(ClientTest, StoredCharacterAnswersTheLoginPromptsOnce) {
    const int slot = client->preferences().characters.addNew();
    client->preferences().characters[slot].name = "Tamsin";
    client->preferences().characters[slot].password = "secret";
    client->connectWithCharacter(slot);
    connect();
    client->onReceived("What name would you like to use? ");
    client->onReceived("Password: ");
    EXPECT_EQ(host.sent, (std::vector<std::string>{"Tamsin\n", "secret\n"}));
    const auto shown = rows();
    EXPECT_EQ(shown[shown.size() - 2], "What name would you like to use? Tamsin");
    EXPECT_EQ(shown.back(), "Password: [Censored]");
    client->onReceived("\r\n##VESK NAME Tamsin\nWhat name would you like to use? ");
    EXPECT_EQ(host.sent.size(), 2u);
}

// "Allowing login." and the terminal line both mark the start of a login; the control channel
// is asked for once per connection (asking twice made the server send its news and prompts
// twice), and again on the next connection.
TEST_F(ClientTest, LoginAsksForTheControlChannelOncePerConnection) {
    client->windows().skillsShown = true;
    const std::vector<std::string> request{"vesk init 2.04\n", "vesk skills\n"};
    connect();
    client->onReceived("Allowing login.\r\n        >>> Terminal currently set to ansi <<<\r\n");
    EXPECT_EQ(host.sent, request);
    client->onReceived("Reconnected.\r\n");
    EXPECT_EQ(host.sent, request);
    client->OnConnectionEnded(false);
    connect();
    client->onReceived("Reconnected.\r\n        >>> Terminal currently set to ansi <<<\r\n");
    EXPECT_EQ(host.sent, request);
}

// The login's automatic answers and requests outnumber the reads that answer them; none of them
// may stay counted, or chatter arriving much later is measured against an old send.
TEST_F(ClientTest, LagAfterALoginWithNothingTypedStaysTheRoundTrip) {
    const int slot = client->preferences().characters.addNew();
    client->preferences().characters[slot].name = "Tamsin";
    client->preferences().characters[slot].password = "secret";
    client->windows().skillsShown = true;
    client->connectWithCharacter(slot);
    connect();
    const std::pair<std::uint32_t, std::string> reads[] = {
        {1000, "What name would you like to use? "},
        {1004, "Password: "},
        {1009, "\r\nAllowing login.\r\n        >>> Terminal currently set to ansi <<<\r\n"},
        {1012, "##VESK NAME Tamsin\n##VESK MSG 1 2\n##VESK CLASS mage\n"},
        {31012, "[Gossip] Bob: anyone about?\r\n"},
        {61012, "[Gossip] Amy: the orcs are back\r\n"},
    };
    for (const auto& [clock, text] : reads) {
        host.clock = clock;
        client->onReceived(text);
    }
    EXPECT_GE(host.sent.size(), 5u);
    EXPECT_LT(client->lagMeter().lagMilliseconds(), 100u);
    EXPECT_EQ(client->lagReadout(false), "Lag-o-Meter: 0.000 s");
    EXPECT_EQ(client->lagMeter().pendingSends(), 0u);
}

// The player waits on a box the read opened (here: the editor that cannot be started on the
// file the read completed); the time the box stays open is not lag.
TEST_F(ClientTest, ABoxOpenedByAReadDoesNotCountAsLag) {
    struct SlowToAnswerHost : FakeHost {
        void showWarning(const std::string& text) override {
            FakeHost::showWarning(text);
            clock += 10000;
        }
    } slowHost;
    slowHost.processesStart = false;
    Client slow(slowHost, directory);
    ASSERT_TRUE(slow.ConnectToSite("localhost", "3000", "FenmarchMUD"));
    slow.onConnecting();
    slow.onConnected();
    slowHost.clock = 1000;
    slow.connection().DoSend("oed /d/x.c");
    slowHost.clock = 1004;
    slow.onReceived("##VESK FILEBEGIN /d/x.c\n##VESK FILECONTINUE\nint x;\n##VESK FILEEND\n");
    ASSERT_EQ(slowHost.warnings.size(), 1u);
    EXPECT_EQ(slow.lagMeter().lagMilliseconds(), 4u);
    EXPECT_EQ(slow.lagReadout(false), "Lag-o-Meter: 0.004 s");
}

TEST_F(ClientTest, DisconnectLeavesTheLagReadoutWithoutAValue) {
    connect();
    host.clock = 100;
    client->connection().DoSend("look");
    host.clock = 350;
    client->onReceived("A muddy road.\r\n");
    EXPECT_EQ(client->lagReadout(false), "Lag-o-Meter: 0.250 s");
    host.clearRecords();
    client->OnConnectionEnded(false);
    EXPECT_EQ(client->lagReadout(false), "Lag-o-Meter: -");
    EXPECT_EQ(client->lagReadout(true), "Lag: -");
    EXPECT_EQ(host.countChanges(Change::LagMeter), 1);
}

TEST_F(ClientTest, NameSelectsTheProfileAndWhoListFollowsLogons) {
    client->windows().who = true;
    connect();
    client->onReceived("##VESK NAME Tamsin\n##VESK LOGON Bob 12 the brave one\n##VESK LOGON Amy 3\n"
                       "##VESK LOGOFF bob\n");
    EXPECT_EQ(client->status().characterName(), "Tamsin");
    const Preferences& preferences = client->preferences();
    ASSERT_EQ(preferences.profiles.size(), 2u);
    EXPECT_EQ(preferences.profiles[0].name(), "Default");
    EXPECT_EQ(preferences.profiles[1].name(), "Tamsin");
    EXPECT_EQ(preferences.activeProfile, 1);
    EXPECT_EQ(&preferences.currentProfile(), &preferences.profiles[1]);
    EXPECT_EQ(preferences.profiles[1].macros, MacroTable::withDefaultMacros());
    EXPECT_EQ(preferences.characters.current(), -1);
    ASSERT_EQ(client->whoList().size(), 1u);
    EXPECT_EQ(client->whoList().entries()[0].name, "Amy");
    EXPECT_GT(host.countChanges(Change::WhoList), 0);
}

TEST_F(ClientTest, ControlMessagesReachSkillsNewsAndHelp) {
    connect();
    client->onReceived("##VESK CLASS Mage\n##VESK SKILL fire 1234 56\n##VESK NEWS Server restart\n"
                       "##VESK HELPCONTENTS combat magic\n");
    EXPECT_EQ(client->skills().className(), "Mage");
    EXPECT_EQ(client->skills().levels().entries().at(0).value, 123);
    EXPECT_EQ(client->news().text(), "Server restart ");
    EXPECT_EQ(client->helpBrowser().topics().size(), 2u);
}

// Hundreds of tiny downloads and help pages in one go start one editor per working file while
// it runs; once the player has closed it, the next transfer starts one again, and the player's
// own "Open Editor" always does.
TEST_F(ClientTest, ATransferFloodStartsOneEditorPerFileWhileItRuns) {
    host.processesKeepRunning = true;
    connect();
    const auto transfers = [](int count) {
        std::string text;
        for (int index = 0; index < count; ++index) {
            text += "##VESK FILEBEGIN f" + std::to_string(index) +
                    ".c\n##VESK FILECONTINUE\nint x;\n##VESK FILEEND\n"
                    "##VESK HELPBEGIN\nA page.\n##VESK HELPEND\n";
        }
        return text;
    };
    client->onReceived(transfers(300));
    ASSERT_EQ(host.started.size(), 2u);
    EXPECT_EQ(host.started[0].arguments,
              std::vector<std::string>{(directory / "TheCode.c").string()});
    EXPECT_EQ(host.started[1].arguments,
              std::vector<std::string>{(directory / "help.txt").string()});
    host.running.clear();
    client->onReceived(transfers(2));
    EXPECT_EQ(host.started.size(), 4u);
    client->transfer().RunEditor();
    EXPECT_EQ(host.started.size(), 5u);
}

struct StartUpLogCase {
    int logDefault;
    bool loggingOn;
};

class StartUpLogTest : public ClientTest, public ::testing::WithParamInterface<StartUpLogCase> {};

// Any non-zero LogDefault starts the log, and LogPrepend applies to that start as it does to
// the menu command: the main view's text (two blanks for an empty view) comes first.
TEST_P(StartUpLogTest, LogDefaultStartsLoggingWithThePrependedView) {
    std::ofstream(directory / "Preferences.DAT")
        << "LogPrefs\nLogDefault " << GetParam().logDefault << "\nLogPrepend 1\nEnd\n";
    client->startUp();
    EXPECT_EQ(client->sessionLog().loggingOn(), GetParam().loggingOn);
    std::ifstream written(directory / "logfile.txt");
    std::stringstream text;
    text << written.rdbuf();
    EXPECT_EQ(text.str(), GetParam().loggingOn ? "  \n" : "");
}

INSTANTIATE_TEST_SUITE_P(Values, StartUpLogTest,
                         ::testing::Values(StartUpLogCase{0, false}, StartUpLogCase{1, true},
                                           StartUpLogCase{2, true}, StartUpLogCase{-1, true}));

TEST_F(ClientTest, PrependedViewIsTheMainBuffersPlainText) {
    connect();
    client->onReceived("\x1b[1;31mRed\x1b[0m words\nsecond\n");
    EXPECT_EQ(client->mainViewText(), "Connected!\n\n\nRed words\nsecond");
}

} // namespace
} // namespace vesk::testing
