#include "FakeHost.h"
#include "ScratchFolder.h"
#include "app/Client.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vesk::testing {
namespace {

class SettingNoticesTest : public ::testing::Test {
protected:
    FakeHost host;
    ScratchFolder folder;
    Client client{host, folder.path()};
};

// The client's own parts follow a setting first; then the front end hears of it, once.
TEST_F(SettingNoticesTest, AChangeIsFollowedAndAnnouncedOnce) {
    Settings& settings = client.preferences().settings;
    settings.setNumber(setting::numCharactersWidth, 40);
    EXPECT_EQ(client.mainBuffer().wrapWidth(), 40);
    settings.setNumber(setting::numCharactersWidth, 40);
    settings.setNumber(setting::skillsOpen, 1);
    EXPECT_TRUE(client.windows().skillsShown);
    EXPECT_EQ(host.settingChanges,
              (std::vector<SettingKey>{setting::numCharactersWidth, setting::skillsOpen}));
}

// Start-up reads the file without a notice per value, and applies what it read.
TEST_F(SettingNoticesTest, StartUpReadsTheFileWithoutNotices) {
    std::ofstream(folder / "Preferences.DAT") << "GeneralWindow\nNum_CharactersWidth 60\nEnd\n";
    client.startUp();
    EXPECT_TRUE(host.settingChanges.empty());
    EXPECT_EQ(client.mainBuffer().wrapWidth(), 60);
}

// A dialog's draft handed back announces what it changed, and the client follows it.
TEST_F(SettingNoticesTest, ADraftHandedBackIsFollowed) {
    Settings draft = client.preferences().settings;
    draft.setNumber(setting::numCharactersWidth, 0);
    draft.setNumber(setting::cmdEcho, 0);
    EXPECT_TRUE(host.settingChanges.empty());
    client.preferences().settings = draft;
    EXPECT_EQ(client.mainBuffer().wrapWidth(), 0);
    EXPECT_EQ(host.settingChanges,
              (std::vector<SettingKey>{setting::cmdEcho, setting::numCharactersWidth}));
}

} // namespace
} // namespace vesk::testing
