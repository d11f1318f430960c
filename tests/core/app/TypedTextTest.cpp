#include "FakeHost.h"
#include "app/Client.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vesk::testing {
namespace {

using Sent = std::vector<std::string>;

// Typed text goes out as UTF-8 until the server shows itself to be Latin-1, through the whole
// client: the telnet filter, the watch on received text, the send path and the login answers.
class TypedTextTest : public ::testing::Test {
protected:
    TypedTextTest() {
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
    }
    ~TypedTextTest() override { std::filesystem::remove_all(directory); }

    void connect() {
        ASSERT_TRUE(client.ConnectToSite("localhost", "3000", "FenmarchMUD"));
        client.onConnecting();
        client.onConnected();
        host.clearRecords();
    }
    void type(std::string_view utf8) { client.commandSender().SendUserCommand(utf8, true); }
    void choose(TypedTextEncoding::Choice choice) {
        client.preferences().settings.setNumber(setting::typedTextEncoding,
                                                static_cast<int>(choice));
    }

    std::filesystem::path directory =
        std::filesystem::temp_directory_path() /
        ("vesk-typed-" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    FakeHost host;
    Client client{host, directory};
};

TEST_F(TypedTextTest, TypedTextGoesOutAsUtf8) {
    connect();
    client.onReceived("Welcome, \xc3\xa9tranger!\r\n");
    type("say caf\xc3\xa9");
    type("say \xe2\x98\xba");
    EXPECT_EQ(host.sent, (Sent{"say caf\xc3\xa9\n", "say \xe2\x98\xba\n"}));
    EXPECT_EQ(client.typedText().encoding(), Decoding::Utf8);
}

TEST_F(TypedTextTest, AfterALatin1ByteTypedTextGoesOutAsLatin1) {
    connect();
    client.onReceived("Bienvenue, \xe9tranger!\r\n");
    type("say caf\xc3\xa9");
    type("say \xe2\x98\xba");
    EXPECT_EQ(host.sent, (Sent{"say caf\xe9\n", "say ?\n"}));
    // The echo shows what went out.
    EXPECT_EQ(client.mainBuffer().line(client.mainBuffer().lastIndex() - 1).text, "say caf\xe9\n");
}

TEST_F(TypedTextTest, ACharacterSplitBetweenReadsIsStillUtf8) {
    connect();
    client.onReceived("caf\xc3");
    client.onReceived("\xa9\r\n");
    type("say caf\xc3\xa9");
    EXPECT_EQ(host.sent, (Sent{"say caf\xc3\xa9\n"}));
}

// IAC WILL ECHO and friends are bytes above 0x7F but not text.
TEST_F(TypedTextTest, TelnetCommandsDoNotCountAsText) {
    connect();
    client.onReceived("Password: \xff\xfb\x01");
    client.onReceived("\xff\xfc\x01\r\n");
    host.sent.clear(); // the telnet answers
    type("say caf\xc3\xa9");
    EXPECT_EQ(host.sent, (Sent{"say caf\xc3\xa9\n"}));
}

TEST_F(TypedTextTest, ANewConnectionStartsFromUtf8Again) {
    connect();
    client.onReceived("\xe9\r\n");
    client.OnConnectionEnded(false);
    connect();
    type("say caf\xc3\xa9");
    EXPECT_EQ(host.sent, (Sent{"say caf\xc3\xa9\n"}));
}

TEST_F(TypedTextTest, TheSettingOverridesWhatTheServerShowed) {
    connect();
    choose(TypedTextEncoding::Choice::Latin1);
    type("say caf\xc3\xa9");
    client.onReceived("\xe9\r\n");
    choose(TypedTextEncoding::Choice::Utf8);
    type("say caf\xc3\xa9");
    EXPECT_EQ(host.sent, (Sent{"say caf\xe9\n", "say caf\xc3\xa9\n"}));
}

// Macros and triggers are sent through the same path: a macro stored by an older client in
// Latin-1 is the same text and goes out in the encoding the server reads.
TEST_F(TypedTextTest, MacrosFollowTheSameRule) {
    connect();
    client.preferences().currentMacros().set("F1", "say caf\xe9");
    client.commandSender().SendCommand(client.preferences().currentMacros()["F1"]);
    client.onReceived("\xe9\r\n");
    client.commandSender().SendCommand(client.preferences().currentMacros()["F1"]);
    EXPECT_EQ(host.sent, (Sent{"say caf\xc3\xa9\n", "say caf\xe9\n"}));
}

// A stored character's name and password are what the server knows it by: they go out byte
// for byte, whatever typed text does.
TEST_F(TypedTextTest, StoredPasswordsGoOutAsStored) {
    StoredCharacters& characters = client.preferences().characters;
    const int slot = characters.addNew();
    characters[slot].name = "Ren\xe9";
    characters[slot].password = "caf\xe9";
    client.connectWithCharacter(slot);
    connect();
    client.onReceived("What name would you like to use? ");
    client.onReceived("Password: ");
    EXPECT_EQ(host.sent, (Sent{"Ren\xe9\n", "caf\xe9\n"}));
}

TEST_F(TypedTextTest, DohickeyAnswersAreTypedText) {
    host.loginAnswers.push_back(LoginDetails{"jos\xc3\xa9", "\xc3\xa9t\xc3\xa9"});
    connect();
    client.onReceived("Bienvenue \xe9!\r\nWhat name would you like to use? ");
    client.onReceived("Password: ");
    EXPECT_EQ(host.sent, (Sent{"Jos\xe9\n", "\xe9t\xe9\n"}));
}

} // namespace
} // namespace vesk::testing
