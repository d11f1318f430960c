#include "social/WhoListView.h"
#include "settings/Settings.h"
#include "social/FriendsLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesk {
namespace {

// Five players as the server announces them: name level race class rank.
WhoList sampleList() {
    WhoList list;
    const std::vector<std::vector<std::string>> logons = {
        {"zed", "10", "human", "warrior", "novice"},
        {"amy", "30", "elf", "mage", "adept"},
        {"bob", "10", "dwarf", "warrior", "novice"},
        {"cara", "20", "elf", "Cleric", "x"},
        {"dan", "5"},
    };
    for (const auto& arguments : logons) {
        list.logOn(arguments);
    }
    return list;
}

FriendsLists sampleFriends() {
    FriendsLists friends;
    friends.addList("Guild");
    friends.addMember(0, "ZED");
    friends.addList("Pals");
    friends.addMember(1, "dan");
    return friends;
}

std::vector<std::string> namesOf(const std::vector<WhoRow>& rows) {
    std::vector<std::string> names;
    for (const auto& row : rows) {
        names.push_back(row.entry.name);
    }
    return names;
}

TEST(WhoListView, SortsByEachChoiceWithLevelAndNameBreakingTies) {
    struct Case {
        WhoSort sort;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        // Highest level first; the two level-10 players by name.
        {WhoSort::Level, {"Amy", "Cara", "Bob", "Zed", "Dan"}},
        // Classes alphabetically in any letter case; a player without a class last.
        {WhoSort::Class, {"Cara", "Amy", "Bob", "Zed", "Dan"}},
        {WhoSort::Race, {"Bob", "Amy", "Cara", "Zed", "Dan"}},
        // Friends (from any list, any case) first, each group by level.
        {WhoSort::Friends, {"Zed", "Dan", "Amy", "Cara", "Bob"}},
    };
    const WhoList list = sampleList();
    const FriendsLists friends = sampleFriends();
    for (const auto& testCase : cases) {
        WhoListView view;
        view.setSort(testCase.sort);
        EXPECT_EQ(namesOf(view.rows(list, friends)), testCase.expected)
            << static_cast<int>(testCase.sort);
    }
}

TEST(WhoListView, MarksFriendsWhateverTheOrder) {
    WhoListView view;
    for (const auto& row : view.rows(sampleList(), sampleFriends())) {
        EXPECT_EQ(row.isFriend, row.entry.name == "Zed" || row.entry.name == "Dan")
            << row.entry.name;
    }
    EXPECT_TRUE(view.rows(sampleList(), FriendsLists{}).front().isFriend == false);
}

TEST(WhoListView, ShowsTheColumnsTheOptionsSelect) {
    struct Case {
        int level, name, race, characterClass;
        std::vector<WhoColumn> expected;
    };
    const Case cases[] = {
        {1, 1, 1, 1, {WhoColumn::Level, WhoColumn::Name, WhoColumn::Race, WhoColumn::Class}},
        {0, 1, 0, 1, {WhoColumn::Name, WhoColumn::Class}},
        // A flag counts only when it is exactly 1.
        {2, 1, 1, 0, {WhoColumn::Name, WhoColumn::Race}},
        // Nothing chosen: the names stay visible.
        {0, 0, 0, 0, {WhoColumn::Name}},
    };
    for (const auto& testCase : cases) {
        Settings settings;
        settings.setNumber(setting::showWhoLevel, testCase.level);
        settings.setNumber(setting::showWhoName, testCase.name);
        settings.setNumber(setting::showWhoRace, testCase.race);
        settings.setNumber(setting::showWhoClass, testCase.characterClass);
        EXPECT_EQ(WhoListView::columns(settings), testCase.expected);
    }
}

TEST(WhoListView, CellsTakeRaceFromTheThirdWordAndClassFromTheFourth) {
    const WhoEntry entry{"Amy", 30, "Elf", "Mage", "adept"};
    EXPECT_EQ(WhoListView::cellText(entry, WhoColumn::Level), "30");
    EXPECT_EQ(WhoListView::cellText(entry, WhoColumn::Name), "Amy");
    EXPECT_EQ(WhoListView::cellText(entry, WhoColumn::Race), "Elf");
    EXPECT_EQ(WhoListView::cellText(entry, WhoColumn::Class), "Mage");
    EXPECT_EQ(WhoListView::heading(WhoColumn::Class), "Class");
}

} // namespace
} // namespace vesk
