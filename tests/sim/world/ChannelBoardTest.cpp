// Which typed words speak on which channel, the lines listeners see, and the review.
#include "world/ChannelBoard.h"

#include <gtest/gtest.h>

namespace vesk::sim {
namespace {

TEST(ChannelBoardTest, ChannelWordsAndLineForms) {
    using Speech = ChannelBoard::Speech;
    EXPECT_EQ(ChannelBoard::speechForCommand("gossip"), (Speech{"Gossip", false}));
    EXPECT_EQ(ChannelBoard::speechForCommand("gossipemote"), (Speech{"Gossip", true}));
    EXPECT_EQ(ChannelBoard::speechForCommand("cre@fenmarchmud"),
              (Speech{"Cre@FenmarchMUD", false}));
    EXPECT_FALSE(ChannelBoard::speechForCommand("Gossip"));
    EXPECT_FALSE(ChannelBoard::speechForCommand("gossipx"));

    ChannelBoard board;
    EXPECT_EQ(board.speak({"Gossip", false}, "Bob", "hi"), "[Gossip] Bob: hi");
    EXPECT_EQ(board.speak({"Gossip", true}, "Bob", "waves"), "[Gossip] Bob waves");
    const std::vector<std::string> review = {"<=- Begin Review -=>", "[Gossip] Bob: hi",
                                             "[Gossip] Bob waves", "<=-  End Review  -=>"};
    EXPECT_EQ(board.review("Gossip"), review);
}

} // namespace
} // namespace vesk::sim
