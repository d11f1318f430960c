#include "social/FriendsLists.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(FriendsLists, EntriesAreReducedToTheirFirstWord) {
    FriendsLists friends;
    EXPECT_TRUE(friends.addList("UNNAMED"));
    EXPECT_TRUE(friends.renameList(0, "  Old Friends"));
    EXPECT_TRUE(friends.addMember(0, "Ann Smith"));
    EXPECT_TRUE(friends.addMember(0, std::string(40, 'b')));
    EXPECT_TRUE(friends.replaceMember(0, 0, "Anna"));
    EXPECT_EQ(friends[0], (FriendsList{"Old", {"Anna", std::string(31, 'b')}}));
}

TEST(FriendsLists, EmptyEntriesAndBadIndicesChangeNothing) {
    FriendsLists friends;
    EXPECT_FALSE(friends.addList("   "));
    EXPECT_FALSE(friends.addMember(0, "Ann"));
    friends.addList("Pals");
    const FriendsLists before = friends;
    EXPECT_FALSE(friends.renameList(0, ""));
    EXPECT_FALSE(friends.addMember(0, "\t"));
    EXPECT_FALSE(friends.replaceMember(0, 3, "Bob"));
    EXPECT_FALSE(friends.removeMember(0, 0));
    EXPECT_FALSE(friends.removeList(1));
    EXPECT_EQ(friends, before);
    EXPECT_TRUE(friends.removeList(0));
    EXPECT_EQ(friends.size(), 0u);
}

} // namespace
} // namespace vesk
