#include "FakeHost.h"
#include "ScratchFolder.h"
#include "app/Client.h"
#include "settings/SettingsTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace vesk::testing {
namespace {

// A client whose connections a test drives by hand, with the host's clock faked: what the
// socket would report is called directly, and the front end's part of an attempt (connect to
// the same site again when the wake-up says so) is `wakeAt`.
struct ReconnectRig {
    ReconnectRig() : client(host, folder.path()) {}

    void connect() {
        ASSERT_TRUE(client.ConnectToSite("localhost", "3000", "FenmarchMUD"));
        client.onConnecting();
        client.onConnected();
    }
    void logIn() {
        connect();
        client.onReceived("##VESK NAME Tamsin\n");
    }
    // The wake-up at `now`; an attempt it starts is connected to the same site.
    bool wakeAt(std::uint32_t now) {
        host.clock = now;
        if (!client.onWakeUp(false)) {
            return false;
        }
        const Connection::Target& target = client.connection().target();
        EXPECT_TRUE(client.ConnectToSite(target.hostName, target.portText, target.siteName));
        client.onConnecting();
        return true;
    }
    int linesHolding(std::string_view text) {
        int count = 0;
        for (int index = 0; index < client.mainBuffer().LineCount(); ++index) {
            if (client.mainBuffer().GetPlainLine(index)->find(text) != std::string::npos) {
                ++count;
            }
        }
        return count;
    }

    FakeHost host;
    ScratchFolder folder;
    Client client;
};

class ReconnectTest : public ::testing::Test, public ReconnectRig {};

// A server that refuses: every attempt fails at once. The waits grow 2, 4, 8, 16, 30 s and
// repeat; each attempt puts one line in the output and no box; nothing starts before its time.
TEST_F(ReconnectTest, ARefusingServerIsTriedWithGrowingWaitsAndOneLineAnAttempt) {
    logIn();
    host.clock = 1000;
    client.OnConnectionEnded(false);
    EXPECT_EQ(client.title(), "Vesk - Not Connected - Reconnecting in 2 s");
    std::vector<std::uint32_t> waits;
    std::uint32_t now = 1000;
    std::uint32_t waitStart = 1000;
    while (client.reconnection().active() && waits.size() < 40) {
        // Woken early (at each second of the countdown), no attempt starts.
        EXPECT_FALSE(wakeAt(now + 999)) << "attempt " << waits.size();
        for (now += 999; !wakeAt(now);) {
            now += 1;
        }
        waits.push_back(now - waitStart);
        EXPECT_EQ(client.title(), "Vesk - Connecting ..");
        client.onConnectFailed();
        waitStart = now;
    }
    ASSERT_GE(waits.size(), 6u);
    EXPECT_EQ(std::vector<std::uint32_t>(waits.begin(), waits.begin() + 6),
              (std::vector<std::uint32_t>{2000, 4000, 8000, 16000, 30000, 30000}));
    // Ten minutes of attempts, then none: 2+4+8+16+30 and eighteen times 30 s.
    EXPECT_EQ(waits.size(), 23u);
    EXPECT_TRUE(host.warnings.empty());
    EXPECT_EQ(linesHolding("Reconnect attempt"), 23);
    EXPECT_EQ(linesHolding("no more attempts"), 1);
    EXPECT_EQ(client.title(), "Vesk - Not Connected");
    EXPECT_FALSE(wakeAt(now + 100000));
}

TEST_F(ReconnectTest, TheCountdownFollowsTheClockAndWakeUpsComeEachSecond) {
    logIn();
    host.clock = 0;
    client.OnConnectionEnded(false);
    ASSERT_FALSE(host.wakeUps.empty());
    EXPECT_EQ(host.wakeUps.back(), 1000u);
    host.clock = 1500;
    EXPECT_EQ(client.title(), "Vesk - Not Connected - Reconnecting in 1 s");
    EXPECT_FALSE(client.onWakeUp(false));
    EXPECT_EQ(host.wakeUps.back(), 500u);
}

// Once the attempt logs in, the schedule is over; a later loss starts from 2 s again.
TEST_F(ReconnectTest, ALoginStopsTheAttemptsAndTheNextLossStartsAfresh) {
    logIn();
    client.OnConnectionEnded(false);
    ASSERT_TRUE(wakeAt(2000));
    client.onConnected();
    client.onReceived("##VESK NAME Tamsin\n");
    EXPECT_FALSE(client.reconnection().active());
    host.clock = 10000;
    client.OnConnectionEnded(false);
    EXPECT_EQ(client.title(), "Vesk - Not Connected - Reconnecting in 2 s");
}

// A server that takes the connection and drops it before a login is a failed attempt too:
// the waits keep growing.
TEST_F(ReconnectTest, AnAttemptDroppedBeforeLoginKeepsTheWaitsGrowing) {
    logIn();
    host.clock = 0;
    client.OnConnectionEnded(false);
    ASSERT_TRUE(wakeAt(2000));
    client.onConnected();
    client.OnConnectionEnded(false);
    EXPECT_EQ(client.title(), "Vesk - Not Connected - Reconnecting in 4 s");
}

// What stops it, or never starts it.
TEST_F(ReconnectTest, NoAttemptAfterDisconnectExitQuitOrWithTheOptionOff) {
    struct Case {
        const char* name;
        std::function<void(ReconnectRig&)> end;
    };
    const std::vector<Case> cases = {
        {"Disconnect", [](ReconnectRig& test) { test.client.playerDisconnected(); }},
        {"Exit", [](ReconnectRig& test) { test.client.OnConnectionEnded(true); }},
        {"the game's farewell",
         [](ReconnectRig& test) {
             test.client.onReceived("Goodbye, Tamsin. Come back soon!\r\n");
             test.client.OnConnectionEnded(false);
         }},
        {"the player's quit",
         [](ReconnectRig& test) {
             test.client.commandSender().SendUserCommand("quit", true);
             test.client.OnConnectionEnded(false);
         }},
        {"the option off",
         [](ReconnectRig& test) {
             test.client.preferences().settings.setNumber(setting::autoReconnect, 0);
             test.client.OnConnectionEnded(false);
         }},
    };
    for (const Case& each : cases) {
        ReconnectRig test;
        test.logIn();
        each.end(test);
        EXPECT_FALSE(test.client.reconnection().active()) << each.name;
        EXPECT_FALSE(test.wakeAt(60000)) << each.name;
        EXPECT_EQ(test.client.title().find("Reconnecting"), std::string::npos) << each.name;
    }
}

// The who's-online service hangs up after its list; no character logged in, so no attempt.
TEST_F(ReconnectTest, AConnectionWithoutALoginIsNotTriedAgain) {
    connect();
    client.onReceived("Tamsin  Quill\r\n");
    client.OnConnectionEnded(false);
    EXPECT_FALSE(client.reconnection().active());
}

TEST_F(ReconnectTest, DisconnectDuringTheWaitStopsItAndNoAttemptWhileALoginDialogAsks) {
    logIn();
    host.clock = 0;
    client.OnConnectionEnded(false);
    host.clock = 5000;
    EXPECT_FALSE(client.onWakeUp(true));
    EXPECT_TRUE(client.reconnection().waiting());
    EXPECT_EQ(host.wakeUps.back(), 1000u);
    client.playerDisconnected();
    EXPECT_FALSE(wakeAt(6000));
    EXPECT_EQ(client.title(), "Vesk - Not Connected");
}

// The player's own connect during a wait is no attempt: its failure gets the usual box.
TEST_F(ReconnectTest, ThePlayersOwnConnectEndsTheWait) {
    logIn();
    client.OnConnectionEnded(false);
    ASSERT_TRUE(client.ConnectToSite("localhost", "3000", "FenmarchMUD"));
    EXPECT_FALSE(client.reconnection().active());
    client.onConnectFailed();
    EXPECT_EQ(host.warnings, std::vector<std::string>{"Failed to connect to FenmarchMUD"});
}

// The stored character answers the prompts of the new connection as it did the first time.
TEST_F(ReconnectTest, TheStoredCharacterLogsInAgain) {
    client.preferences().characters[0] = {"Tamsin", "tamsin", -1, 0};
    client.connectWithCharacter(0);
    connect();
    client.onReceived("What name would you like to use? \r\nPassword: \r\n##VESK NAME Tamsin\n");
    client.OnConnectionEnded(false);
    host.sent.clear();
    ASSERT_TRUE(wakeAt(2000));
    client.onConnected();
    client.onReceived("What name would you like to use? \r\nPassword: \r\n");
    EXPECT_NE(std::find(host.sent.begin(), host.sent.end(), "Tamsin\n"), host.sent.end());
    EXPECT_NE(std::find(host.sent.begin(), host.sent.end(), "tamsin\n"), host.sent.end());
}

} // namespace
} // namespace vesk::testing
