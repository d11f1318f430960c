#include "FakeHost.h"
#include "ScratchFolder.h"
#include "app/Client.h"

#include <gtest/gtest.h>

namespace vesk::testing {
namespace {

using Lines = std::vector<std::string>;

void logInAs(Client& client, const std::string& name) {
    ASSERT_TRUE(client.ConnectToSite("localhost", "3000", "FenmarchMUD"));
    client.onConnecting();
    client.onConnected();
    client.onReceived("##VESK NAME " + name + "\n");
}

// The commands of one session are there at the next, for the same character only; a line typed
// while the server's echo was off (a password), or before the login, is never written.
TEST(StoredHistoryTest, ACharactersCommandsOutliveTheSessionButNoPassword) {
    ScratchFolder folder;
    {
        FakeHost host;
        Client client(host, folder.path());
        ASSERT_TRUE(client.ConnectToSite("localhost", "3000", "FenmarchMUD"));
        client.onConnecting();
        client.onConnected();
        // Typed at the name prompt, before any login: never stored.
        client.commandSender().SendUserCommand("Tamsin", true);
        client.onReceived("Password: \xff\xfb\x01");
        client.commandSender().SendUserCommand("s3cret", true);
        client.onReceived("\xff\xfc\x01\r\n##VESK NAME Tamsin\n");
        client.commandSender().SendUserCommand("kill orc", true);
        client.commandSender().SendUserCommand("tell bob hi", true);
        client.OnConnectionEnded(true);
        client.saveSettings();
    }
    EXPECT_EQ(folder.read("History_Tamsin.txt"), "kill orc\ntell bob hi\n");
    FakeHost host;
    Client client(host, folder.path());
    client.startUp();
    client.commandSender().SendUserCommand("look", true);
    logInAs(client, "Tamsin");
    EXPECT_EQ(client.commandSender().history().entries(), (Lines{"kill orc", "tell bob hi"}));
    client.commandSender().SendUserCommand("score", true);
    client.OnConnectionEnded(false);
    EXPECT_EQ(folder.read("History_Tamsin.txt"), "kill orc\ntell bob hi\nscore\n");
    // Another character starts from its own history.
    logInAs(client, "Quill");
    EXPECT_TRUE(client.commandSender().history().entries().empty());
}

TEST(StoredHistoryTest, TabCompletesNamesBeforeWordsOfTheOutput) {
    ScratchFolder folder;
    FakeHost host;
    Client client(host, folder.path());
    logInAs(client, "Tamsin");
    client.onReceived("Quirky the cat purrs.\r\nQuill says: hello\r\n");
    const Lines candidates = client.completionCandidates();
    ASSERT_GE(candidates.size(), 3u);
    EXPECT_EQ(candidates.front(), "Quill");
    const auto quirky = std::find(candidates.begin(), candidates.end(), "Quirky");
    const auto hello = std::find(candidates.begin(), candidates.end(), "hello");
    ASSERT_NE(quirky, candidates.end());
    ASSERT_NE(hello, candidates.end());
    // The newest output first.
    EXPECT_LT(hello, quirky);
}

} // namespace
} // namespace vesk::testing
