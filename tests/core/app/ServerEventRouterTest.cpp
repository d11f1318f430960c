#include "app/ServerEventRouter.h"
#include "FakeHost.h"
#include "ScratchFolder.h"
#include "app/Client.h"

#include <gtest/gtest.h>

#include <memory>

namespace vesk::testing {
namespace {

// A router over the parts of a client (its preferences, log, login, windows' models), with a
// session of its own so a test can say whether the server has named the character.
class ServerEventRouterTest : public ::testing::Test {
protected:
    ServerEventRouterTest()
        : client(host, folder.path()),
          router({host, session, client.preferences(), client.sessionLog(), client.autoLogin(),
                  client.whoList(), client.skills(), client.transfer(), client.fileBrowser(),
                  client.helpBrowser(), client.news(), windows, client.reconnection(),
                  client.chatGathering()}) {
        client.preferences().characters[0] = {"Thorn", "s3cret", -1, 0};
    }

    FakeHost host;
    ScratchFolder folder;
    Client client;
    SessionState session;
    WindowPresence windows;
    ServerEventRouter router;
};

TEST_F(ServerEventRouterTest, CodingAccessIsGrantedOnceAndAnnouncedOnce) {
    EXPECT_FALSE(router.codingAccess());
    router.grantCodingAccess();
    router.grantCodingAccess();
    EXPECT_TRUE(router.codingAccess());
    EXPECT_EQ(host.countChanges(Change::Menu), 1);
    router.revokeCodingAccess();
    EXPECT_FALSE(router.codingAccess());
    router.grantCodingAccess();
    EXPECT_EQ(host.countChanges(Change::Menu), 2);
}

TEST_F(ServerEventRouterTest, LogonsAndLogoffsReachTheWhoListAndRepaintIt) {
    const std::vector<std::string_view> bram = {"Bram", "12", "human", "rogue", "x"};
    router.whoLogon(bram);
    ASSERT_EQ(client.whoList().size(), 1u);
    EXPECT_EQ(client.whoList().entries()[0].name, "Bram");
    EXPECT_EQ(client.whoList().entries()[0].level, 12);
    router.whoLogoff("bram");
    EXPECT_EQ(client.whoList().size(), 0u);
    EXPECT_EQ(host.countChanges(Change::WhoList), 2);
}

TEST_F(ServerEventRouterTest, LoginPromptsFollowTheSessionsLoginState) {
    client.connectWithCharacter(0);
    session.loggedIn = true;
    EXPECT_FALSE(router.namePrompt().answered);
    session.loggedIn = false;
    EXPECT_EQ(router.namePrompt(), (PromptAnswer{true, "Thorn\n"}));
}

TEST_F(ServerEventRouterTest, TheServerNamingTheCharacterEndsTheAutomaticLogin) {
    client.connectWithCharacter(0);
    router.setLogCharacterName("Thorn");
    EXPECT_EQ(client.sessionLog().characterName(), "Thorn");
    EXPECT_TRUE(client.autoLogin().loggedIn());
}

TEST_F(ServerEventRouterTest, ANamedCharacterGetsItsProfile) {
    router.selectProfileForCharacter("Thorn");
    const auto& preferences = client.preferences();
    EXPECT_EQ(preferences.characters.current(), 0);
    ASSERT_GE(preferences.characters[0].profile, 1);
    EXPECT_EQ(preferences.currentProfile().name(), "Thorn");
}

TEST_F(ServerEventRouterTest, SkillsReachTheSkillsModel) {
    router.setSkillClass("mage");
    router.setSkill("fireball", "12", "40");
    EXPECT_EQ(client.skills().className(), "mage");
    const int row = client.skills().levels().find("fireball");
    ASSERT_GE(row, 0);
    EXPECT_EQ(client.skills().levels().entries()[static_cast<std::size_t>(row)].value, 12);
}

} // namespace
} // namespace vesk::testing
