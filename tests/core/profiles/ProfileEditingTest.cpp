#include "profiles/ProfileEditing.h"
#include "FakeHost.h"
#include "common/Reporting.h"
#include "login/StoredCharacters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesk {
namespace {

// What profile editing reads and hands back: the profiles, the stored characters' links into
// them and the profile in use.
struct ProfileRecords {
    CharacterProfileList profiles;
    StoredCharacters characters;
    int activeProfile = 0;

    ProfileEditing edit() const { return ProfileEditing(profiles, characters, activeProfile); }
    void commit(const ProfileEditing& editing) {
        editing.commit(profiles, characters, activeProfile);
    }
};

// Four profiles and three characters pointing at profiles 1, 2 and 3.
ProfileRecords fourProfiles() {
    ProfileRecords records;
    for (const char* name : {"Warrior", "Mage", "Thief"}) {
        records.profiles.appendNew(name);
    }
    const char* characters[] = {"Bram", "Cora", "Dain"};
    for (int slot = 0; slot < 3; ++slot) {
        records.characters[slot].name = characters[slot];
        records.characters[slot].profile = slot + 1;
    }
    return records;
}

std::vector<std::string> names(const CharacterProfileList& profiles) {
    std::vector<std::string> result;
    for (const auto& profile : profiles.profiles()) {
        result.push_back(profile.name());
    }
    return result;
}

TEST(ProfileEditingTest, CopyNames) {
    struct Case {
        std::string original;
        std::string copy;
    };
    const Case cases[] = {
        {"Warrior", "(Copy) Warrior"},
        {"(Copy) Warrior", "(Copy) Warrior"},
        {"(copy) Warrior", "(Copy) (copy) Warrior"},
        {"", "(Copy) "},
        {std::string(31, 'x'), "(Copy) " + std::string(24, 'x')},
    };
    for (const auto& [original, copy] : cases) {
        EXPECT_EQ(ProfileEditing::copyName(original), copy) << original;
    }
}

TEST(ProfileEditingTest, StorableTexts) {
    EXPECT_EQ(ProfileEditing::storableName("Say \"hi\"\tnow"), "Say hinow");
    // Taking one separator out can close another around it; that one goes as well.
    EXPECT_EQ(ProfileEditing::storableName("a@#$#@b@#$@#$#@#@c"), "abc");
    EXPECT_EQ(ProfileEditing::storableName("@#$#"), "@#$#");
    EXPECT_EQ(ProfileEditing::storableName(std::string(40, 'n')), std::string(31, 'n'));
    EXPECT_EQ(ProfileEditing::storableTriggerField("kill@#$#@rat\r\n\"x\""), "killrat\"x\"");
    EXPECT_EQ(ProfileEditing::storableTriggerField(std::string(2000, 'p')).size(), 1023u);
    EXPECT_EQ(ProfileEditing::storableMacroText("say @#$#@\r\n"), "say @#$#@");
}

TEST(ProfileEditingTest, StorableNamesAndFieldsComeBackFromTheFile) {
    ProfileRecords records;
    ProfileEditing editing = records.edit();
    const int index = editing.appendNewProfile();
    ASSERT_TRUE(editing.rename(index, "\"Odd\" @#$#@name\t"));
    const std::string raw = "x@#$#@y\nz";
    CharacterProfile& edited = editing.profiles()[static_cast<std::size_t>(index)];
    edited.triggers.push_back(
        {ProfileEditing::storableTriggerField(raw), ProfileEditing::storableTriggerField(raw), 1});
    edited.macros.set("F1", ProfileEditing::storableMacroText("say @#$#@ \r\n"));
    testing::FakeHost host;
    Reporting reporting(host, "unused.log");
    CharacterProfileList reread;
    reread.loadFromText(editing.profiles().savedText(), "Profiles.DAT", reporting);
    EXPECT_EQ(reread, editing.profiles());
    EXPECT_EQ(reread[static_cast<std::size_t>(index)].name(), "Odd name");
}

TEST(ProfileEditingTest, DeletingProfileTwoOfFourRepointsTheCharacters) {
    ProfileRecords records = fourProfiles();
    ProfileEditing editing = records.edit();
    ASSERT_TRUE(editing.remove(2));
    EXPECT_EQ(names(editing.profiles()), (std::vector<std::string>{"Default", "Warrior", "Thief"}));
    EXPECT_EQ(editing.characterProfile(0), 1);
    EXPECT_EQ(editing.characterProfile(1), 0);
    EXPECT_EQ(editing.characterProfile(2), 2);
    EXPECT_EQ(editing.characterProfile(3), -1) << "a free slot points nowhere";
    EXPECT_EQ(records.characters[1].profile, 2) << "the live records wait for OK";
    EXPECT_EQ(records.profiles.size(), 4u);
}

TEST(ProfileEditingTest, DefaultProfileCannotBeRenamedOrDeleted) {
    ProfileRecords records = fourProfiles();
    ProfileEditing editing = records.edit();
    EXPECT_FALSE(editing.rename(0, "Other"));
    EXPECT_FALSE(editing.remove(0));
    EXPECT_FALSE(editing.remove(4));
    EXPECT_FALSE(editing.rename(4, "Other"));
    EXPECT_EQ(editing.insertCopy(4), -1);
    EXPECT_EQ(names(editing.profiles()),
              (std::vector<std::string>{"Default", "Warrior", "Mage", "Thief"}));
}

TEST(ProfileEditingTest, InsertCopyIsADeepCopyAtTheEnd) {
    ProfileRecords records = fourProfiles();
    records.profiles[1].triggers.push_back({"You are hungry", "eat bread", 1});
    records.profiles[1].macros.set("F1", "kill rat");
    ProfileEditing editing = records.edit();
    ASSERT_EQ(editing.insertCopy(1), 4);
    CharacterProfile& copy = editing.profiles()[4];
    EXPECT_EQ(copy.name(), "(Copy) Warrior");
    EXPECT_EQ(copy.triggers, editing.profiles()[1].triggers);
    EXPECT_EQ(copy.macros, editing.profiles()[1].macros);
    copy.triggers[0].pattern = "changed";
    EXPECT_EQ(editing.profiles()[1].triggers[0].pattern, "You are hungry");
}

TEST(ProfileEditingTest, NewProfileHasTheStandardKeysWithoutMacros) {
    ProfileRecords records;
    records.profiles = CharacterProfileList{};
    records.profiles[0] = CharacterProfileList::defaultProfile();
    ProfileEditing editing = records.edit();
    const int index = editing.appendNewProfile();
    EXPECT_EQ(editing.profiles()[index].name(), "New Profile");
    EXPECT_EQ(editing.profiles()[index].macros, MacroTable::withStandardKeys());
    EXPECT_TRUE(editing.profiles()[index].triggers.empty());
}

TEST(ProfileEditingTest, CommitHandsEverythingBack) {
    ProfileRecords records = fourProfiles();
    records.activeProfile = 1;
    ProfileEditing editing = records.edit();
    editing.remove(2);
    editing.rename(1, "Knight");
    editing.profiles()[1].triggers.push_back({"You are hungry", "eat bread", 1});
    records.commit(editing);
    EXPECT_EQ(names(records.profiles), (std::vector<std::string>{"Default", "Knight", "Thief"}));
    EXPECT_EQ(records.profiles[1].triggers.size(), 1u);
    EXPECT_EQ(records.characters[0].profile, 1);
    EXPECT_EQ(records.characters[1].profile, 0);
    EXPECT_EQ(records.characters[2].profile, 2);
    EXPECT_EQ(records.characters[3].profile, -1);
    EXPECT_EQ(records.activeProfile, 1);
}

TEST(ProfileEditingTest, ActiveProfileFollowsDeletions) {
    struct Case {
        int active;
        int deleted;
        int expected;
    };
    // Out of range stays out of range in the copy and falls back to 0 on commit.
    const Case cases[] = {{3, 1, 2}, {2, 2, 0}, {1, 2, 1}, {9, 1, 0}, {-1, 1, 0}};
    for (const auto& [active, deleted, expected] : cases) {
        ProfileRecords records = fourProfiles();
        records.activeProfile = active;
        ProfileEditing editing = records.edit();
        ASSERT_TRUE(editing.remove(deleted));
        records.commit(editing);
        EXPECT_EQ(records.activeProfile, expected) << active << " after deleting " << deleted;
    }
}

} // namespace
} // namespace vesk
