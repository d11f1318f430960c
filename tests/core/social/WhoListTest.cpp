#include "social/WhoList.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(WhoList, LogOnStoresAllFiveFieldsShapedAndCut) {
    WhoList who;
    EXPECT_TRUE(who.logOn({"tHORN", "42", "elf", "ranger of the wilds", "the Brave"}));
    EXPECT_TRUE(who.logOn({"Bob"}));
    EXPECT_TRUE(who.logOn({std::string(40, 'z'), "x7", std::string(40, 'w')}));
    ASSERT_EQ(who.size(), 3u);
    EXPECT_EQ(who.entries()[0], (WhoEntry{"Thorn", 42, "Elf", "Ranger of the w", "the Brave"}));
    EXPECT_EQ(who.entries()[1], (WhoEntry{"Bob", 0, "", "", ""}));
    EXPECT_EQ(who.entries()[2],
              (WhoEntry{"Z" + std::string(30, 'z'), 0, "W" + std::string(30, 'w'), "", ""}));
}

TEST(WhoList, SameNameInAnyCaseOverwritesItsEntry) {
    WhoList who;
    who.logOn({"BOB", "1"});
    who.logOn({"Ann", "2"});
    who.logOn({"bob", "5", "dwarf"});
    ASSERT_EQ(who.size(), 2u);
    EXPECT_EQ(who.entries()[0], (WhoEntry{"Bob", 5, "Dwarf", "", ""}));
}

TEST(WhoList, ClearNamesAndLogOff) {
    WhoList who;
    who.logOn({"Ann"});
    who.logOn({"Bob"});
    who.logOn({"Cy"});
    EXPECT_FALSE(who.logOff("Dee"));
    EXPECT_EQ(who.size(), 3u);
    EXPECT_TRUE(who.logOff("BOB"));
    ASSERT_EQ(who.size(), 2u);
    EXPECT_EQ(who.entries()[1].name, "Cy");
    EXPECT_TRUE(who.logOn({"clearnames"})) << "only the exact word clears";
    EXPECT_EQ(who.size(), 3u);
    EXPECT_TRUE(who.logOn({"ClearNames"}));
    EXPECT_EQ(who.size(), 0u);
    EXPECT_FALSE(who.logOn({}));
}

TEST(WhoList, HoldsAtMostOneHundredEntries) {
    WhoList who;
    for (int index = 0; index < 105; ++index) {
        who.logOn({"Player" + std::to_string(index)});
    }
    EXPECT_EQ(who.size(), WhoList::capacity);
    EXPECT_EQ(who.entries().back().name, "Player99");
}

} // namespace
} // namespace vesk
