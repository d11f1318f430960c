#include "common/Reporting.h"
#include "profiles/CharacterProfileList.h"

#include "FakeHost.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

class ProfilesFileTest : public ::testing::Test {
protected:
    CharacterProfileList read(const std::string& text) {
        CharacterProfileList list;
        list.loadFromText(text, "Profiles.DAT", reporting);
        return list;
    }

    testing::FakeHost host;
    Reporting reporting{host, "Vesk.log"};
};

TEST_F(ProfilesFileTest, NewProfileHasTheStandardKeysInOrder) {
    const CharacterProfile profile;
    const auto& entries = profile.macros.entries();
    ASSERT_EQ(entries.size(), 56u);
    EXPECT_EQ(entries[0].first, "Keypad Up + Num Lock");
    EXPECT_EQ(entries[13].first, "Keypad . Num Lock");
    EXPECT_EQ(entries[14].first, "F1");
    EXPECT_EQ(entries[25].first, "F12");
    EXPECT_EQ(entries[26].first, "Left");
    EXPECT_EQ(entries[29].first, "Down");
    EXPECT_EQ(entries[30].first, "Ctrl + A");
    EXPECT_EQ(entries[55].first, "Ctrl + Z");
    EXPECT_EQ(profile.macros.find("Keypad Ins + Num Lock"), nullptr);
}

TEST_F(ProfilesFileTest, LookupAddsAnAbsentKeyAtTheEndAndSavesIt) {
    CharacterProfileList list;
    EXPECT_EQ(list[0].macros["Keypad Ins + Num Lock"], "");
    EXPECT_EQ(list[0].macros.entries().back().first, "Keypad Ins + Num Lock");
    EXPECT_NE(list.savedText().find("Keypad Ins + Num Lock@#$#@\nEnd\nEnd\n"), std::string::npos);
}

TEST_F(ProfilesFileTest, SavedProfilesReadBackTheSame) {
    CharacterProfileList written;
    written[0] = CharacterProfileList::defaultProfile();
    written[0].triggers = {{"You are hungry", "eat bread", 1},
                           {"A @ sign # and $", "say $@#!", 0},
                           {"Empty command", "", 7},
                           {"", "no pattern", -3}};
    written[0].macros["F1"] = "cast 'heal' @me #1 $2";
    written.appendNew("12345");
    written.appendNew("Warrior the Great");
    written[2].macros["Keypad Ins + Num Lock"] = "flee";
    written[2].triggers.push_back(
        {std::string(1023, 'p'), std::string(1023, 'c'), 1}); // longer than 2046 as a line
    const CharacterProfileList read = this->read(written.savedText());
    EXPECT_EQ(read, written);
    EXPECT_TRUE(host.traces.empty());
}

TEST_F(ProfilesFileTest, WrittenBlockHasTheDocumentedLayout) {
    CharacterProfileList list;
    list[0].triggers.push_back({"You are hungry", "eat bread", 1});
    const std::string text = list.savedText();
    const std::string head = "NewProfile\nName \"Default\"\nTriggers\n"
                             "You are hungry@#$#@eat bread@#$#@1\nEnd\nMacros\n"
                             "Keypad Up + Num Lock@#$#@\n";
    const std::string tail = "\nCtrl + Z@#$#@\nEnd\nEnd\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(ProfilesFileTest, HandWrittenFileIsReadAsDocumented) {
    const CharacterProfileList read = this->read("# profiles kept by hand\r\n"
                                                 "\r\n"
                                                 "newprofile\r\n"
                                                 "# a comment between keywords\r\n"
                                                 "NAME   \"Bob the Great\"\r\n"
                                                 "Triggers\r\n"
                                                 "one@#$#@two\r\n"
                                                 "You are hungry@#$#@eat@#$#@1@#$#@junk\r\n"
                                                 "x@#$#@y@#$#@abc\r\n"
                                                 "end\r\n"
                                                 "macros\r\n"
                                                 "# note\r\n"
                                                 "F1@#$#@look@#$#@again\r\n"
                                                 "New Key@#$#@\r\n"
                                                 "END\r\n"
                                                 "Sparkle\r\n"
                                                 "End\r\n"
                                                 "Bogus\r\n"
                                                 "NewProfile\r\n"
                                                 "Name \"" +
                                                 std::string(40, 'N') +
                                                 "\"\r\n"
                                                 "End\r\n"
                                                 "End\r\n"
                                                 "NewProfile\r\n"
                                                 "Name \"after the end\"\r\n");
    ASSERT_EQ(read.size(), 2u);
    const CharacterProfile& bob = read[0];
    EXPECT_EQ(bob.name(), "Bob the Great");
    EXPECT_EQ(bob.triggers,
              (std::vector<TriggerRecord>{{"You are hungry", "eat", 1}, {"x", "y", 0}}));
    EXPECT_EQ(*bob.macros.find("F1"), "look@#$#@again");
    EXPECT_EQ(bob.macros.entries().back(), (MacroTable::Entry{"New Key", ""}));
    EXPECT_EQ(bob.macros.find("# note"), nullptr);
    EXPECT_EQ(read[1].name(), std::string(31, 'N'));
    EXPECT_EQ(host.traces,
              (std::vector<std::string>{"CCharacterProfile;;Load(); Unknown token 'Sparkle'\n",
                                        "CCharacterProfileList;;Load(Profiles.DAT); Unknown token "
                                        "'Bogus'\n"}));
}

TEST_F(ProfilesFileTest, OverlongTriggerFieldsAreCut) {
    const std::string line = std::string(1500, 'p') + "@#$#@" + std::string(1500, 'c') + "@#$#@1";
    const CharacterProfileList read = this->read("NewProfile\nTriggers\n" + line + "\nEnd\nEnd\n");
    ASSERT_EQ(read[0].triggers.size(), 1u);
    EXPECT_EQ(read[0].triggers[0],
              (TriggerRecord{std::string(1023, 'p'), std::string(1023, 'c'), 1}));
}

TEST_F(ProfilesFileTest, TextWithoutProfilesRestoresTheDefaultProfile) {
    for (const char* text : {"", "End\nNewProfile\n", "# only a comment\n"}) {
        const CharacterProfileList read = this->read(text);
        ASSERT_EQ(read.size(), 1u) << text;
        EXPECT_EQ(read[0], CharacterProfileList::defaultProfile()) << text;
    }
}

TEST_F(ProfilesFileTest, ProfileCutOffByTheEndOfTheFileIsKept) {
    const CharacterProfileList read =
        this->read("NewProfile\nName \"Cut\"\nTriggers\na@#$#@b@#$#@1");
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].name(), "Cut");
    EXPECT_EQ(read[0].triggers.size(), 1u);
}

TEST_F(ProfilesFileTest, TellsWhetherEveryLineWasUnderstood) {
    CharacterProfileList list;
    const struct {
        const char* text;
        bool intact;
    } cases[] = {
        {"", true},
        {"# only a comment\n\n", true},
        {"NewProfile\nName \"A\"\nTriggers\na@#$#@b@#$#@1\n\nEnd\nMacros\nF1@#$#@x\nEnd\nEnd\n",
         true},
        {"NewProfile\nEnd\nEnd\n", true},
        {"End\n", false},
        {"NewProfile\nEnd\nEnd\nNewProfile\nName \"Lost\"\nEnd\n", false},
        {"Garbage\n", false},
        {"NewProfile\nColour red\nEnd\n", false},
        {"NewProfile\nTriggers\nno separator\nEnd\nEnd\n", false},
        {"NewProfile\nMacros\n# note\nEnd\nEnd\n", false},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(list.loadFromText(testCase.text, "Profiles.DAT", reporting), testCase.intact)
            << testCase.text;
    }
}

// Each key is found through the table's index: a file with very many keys loads in time
// proportional to its size, keeps their order, and a key given twice keeps its place and
// takes the later text.
TEST_F(ProfilesFileTest, ManyMacroKeysLoadInOrder) {
    std::string text = "NewProfile\nMacros\n";
    constexpr int keyCount = 100000;
    for (int key = 0; key < keyCount; ++key) {
        text += "key " + std::to_string(key) + "@#$#@text " + std::to_string(key) + "\n";
    }
    text += "F1@#$#@first\nkey 7@#$#@again\nF1@#$#@second\nEnd\nEnd\n";
    const CharacterProfileList read = this->read(text);
    const MacroTable& macros = read[0].macros;
    ASSERT_EQ(macros.size(), MacroTable::standardKeyNames().size() + keyCount);
    EXPECT_EQ(macros.entries()[56].first, "key 0");
    EXPECT_EQ(macros.entries().back(), (MacroTable::Entry{"key 99999", "text 99999"}));
    EXPECT_EQ(*macros.find("key 7"), "again");
    EXPECT_EQ(*macros.find("F1"), "second");
    EXPECT_EQ(macros.find("key 100000"), nullptr);
}

} // namespace
} // namespace vesk
