#include "common/Reporting.h"
#include "preferences/Preferences.h"

#include "FakeHost.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

// The profile list and the stored characters meet here: the server names a character and
// the matching profile becomes the active one.
class ProfileSelectionTest : public ::testing::Test {
protected:
    ProfileSelectionTest() {
        preferences.restoreDefaults();
        preferences.profiles.appendNew("Warrior");
        preferences.profiles.appendNew("Thorn");
    }

    std::vector<std::string> profileNames() const {
        std::vector<std::string> names;
        for (const auto& profile : preferences.profiles.profiles()) {
            names.push_back(profile.name());
        }
        return names;
    }

    Preferences preferences;
};

TEST_F(ProfileSelectionTest, StoredCharacterWithAProfileKeepsIt) {
    preferences.characters[0] = {"Alt", "", -1, 0};
    preferences.characters[1] = {"Thorn", "", 1, 0};
    preferences.SelectProfileForCharacter("THORN");
    EXPECT_EQ(preferences.characters.current(), 1);
    EXPECT_EQ(preferences.activeProfile, 1) << "even though a profile named Thorn exists";
    EXPECT_EQ(preferences.currentProfile().name(), "Warrior");
}

TEST_F(ProfileSelectionTest, StoredCharacterWithoutProfileTakesTheOneOfItsName) {
    preferences.characters[0] = {"thorn", "", -1, 0};
    preferences.SelectProfileForCharacter("Thorn");
    EXPECT_EQ(preferences.characters[0].profile, 2);
    EXPECT_EQ(preferences.activeProfile, 2);
    EXPECT_EQ(preferences.profiles.size(), 3u);
}

TEST_F(ProfileSelectionTest, StoredCharacterWithoutProfileGetsANewOneWithDefaults) {
    preferences.characters[0] = {"Mage", "", -1, 0};
    preferences.settings.setNumber(setting::createNewProfiles, 0);
    preferences.SelectProfileForCharacter("mage");
    EXPECT_EQ(profileNames(), (std::vector<std::string>{"Default", "Warrior", "Thorn", "mage"}));
    EXPECT_EQ(preferences.characters[0].profile, 3);
    EXPECT_EQ(preferences.activeProfile, 3);
    EXPECT_EQ(*preferences.currentProfile().macros.find("Keypad Up + Num Lock"), "north");
}

TEST_F(ProfileSelectionTest, UnknownCharacterFollowsCreateNewProfiles) {
    struct Case {
        const char* name;
        int createNewProfiles;
        int expectedActive;
        std::size_t expectedCount;
    };
    const Case cases[] = {
        {"Rogue", 1, 3, 4u}, {"Rogue", 0, 0, 3u}, {"warrior", 1, 1, 3u}, {"warrior", 0, 1, 3u}};
    for (const auto& testCase : cases) {
        ProfileSelectionTest::SetUp();
        Preferences preferences = this->preferences;
        preferences.characters.setCurrent(5);
        preferences.activeProfile = 2;
        preferences.settings.setNumber(setting::createNewProfiles, testCase.createNewProfiles);
        preferences.SelectProfileForCharacter(testCase.name);
        EXPECT_EQ(preferences.characters.current(), -1);
        EXPECT_EQ(preferences.activeProfile, testCase.expectedActive) << testCase.name;
        EXPECT_EQ(preferences.profiles.size(), testCase.expectedCount) << testCase.name;
        if (testCase.expectedCount == 4u) {
            EXPECT_EQ(preferences.currentProfile().macros,
                      CharacterProfileList::defaultProfile().macros);
        }
    }
}

TEST_F(ProfileSelectionTest, LongServerNameDoesNotMakeAProfileAtEveryLogin) {
    const std::string name(40, 'x');
    preferences.SelectProfileForCharacter(name);
    preferences.SelectProfileForCharacter(name);
    EXPECT_EQ(preferences.profiles.size(), 4u);
    EXPECT_EQ(preferences.currentProfile().name(), std::string(31, 'x'));
}

// The server chooses the name, and the profile file cannot hold a tab, a line break or a
// double quote: the profile takes the name cleaned, so what is saved reads back the same and
// the next login finds the profile again.
TEST_F(ProfileSelectionTest, ServerNamesAreCleanedSoTheyReadBackTheSame) {
    struct Case {
        std::string server;
        std::string profile;
    };
    const Case cases[] = {{"a\tb", "a b"},
                          {"Bo\"b", "Bo b"},
                          {"line\rbreak\n", "line break "},
                          {"bell\x07", "bell "},
                          {"  spaced", "  spaced"}};
    for (const auto& [server, profile] : cases) {
        preferences.SelectProfileForCharacter(server);
        EXPECT_EQ(preferences.currentProfile().name(), profile) << server;
        CharacterProfileList reread;
        testing::FakeHost host;
        Reporting reporting(host, "/dev/null");
        EXPECT_TRUE(
            reread.loadFromText(preferences.profiles.savedText(), "Profiles.DAT", reporting));
        EXPECT_EQ(reread, preferences.profiles) << server;
        const std::size_t count = preferences.profiles.size();
        preferences.profiles = reread;
        preferences.SelectProfileForCharacter(server);
        EXPECT_EQ(preferences.profiles.size(), count) << "no second profile for " << server;
    }
}

TEST_F(ProfileSelectionTest, DeletingAProfileRepointsTheCharacters) {
    preferences.profiles.appendNew("Fourth");
    preferences.characters[0] = {"A", "", 1, 0};
    preferences.characters[1] = {"B", "", 2, 0};
    preferences.characters[2] = {"C", "", 3, 0};
    preferences.activeProfile = 3;
    ASSERT_TRUE(preferences.deleteProfile(2));
    EXPECT_EQ(preferences.characters[0].profile, 1);
    EXPECT_EQ(preferences.characters[1].profile, 0);
    EXPECT_EQ(preferences.characters[2].profile, 2);
    EXPECT_EQ(preferences.activeProfile, 0) << "out of range after the deletion";
    EXPECT_FALSE(preferences.deleteProfile(0)) << "the default profile stays";
    EXPECT_FALSE(preferences.deleteProfile(9));
}

TEST_F(ProfileSelectionTest, ActiveProfileOutOfRangeFallsBackToTheDefault) {
    for (int index : {-4, 3, 100}) {
        preferences.setActiveProfile(index);
        EXPECT_EQ(preferences.currentProfile().name(), "Default") << index;
    }
}

// Thousands of names from the server make a bounded number of profiles; the names already
// given a profile keep finding it.
TEST_F(ProfileSelectionTest, NamesFromTheServerMakeABoundedNumberOfProfiles) {
    preferences.settings.setNumber(setting::createNewProfiles, 1);
    const std::size_t before = preferences.profiles.size();
    for (int name = 0; name < 1000; ++name) {
        preferences.SelectProfileForCharacter("Name" + std::to_string(name));
    }
    EXPECT_EQ(preferences.profiles.size(), before + Preferences::namedProfileLimit);
    EXPECT_EQ(preferences.activeProfile, 0) << "the last name has no profile";
    preferences.SelectProfileForCharacter("Name3");
    EXPECT_EQ(preferences.currentProfile().name(), "Name3");
    preferences.SelectProfileForCharacter("thorn");
    EXPECT_EQ(preferences.currentProfile().name(), "Thorn");
}

} // namespace
} // namespace vesk
