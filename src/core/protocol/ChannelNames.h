#pragma once

#include <array>
#include <string_view>

namespace vesk {

// The game's chat channels, in the order the client has always tried them: a received line
// that starts with one of them in brackets is a channel line, and a typed command that starts
// with one in lower case is echoed into the chat pane.
inline constexpr std::array<std::string_view, 30> ChannelNames = {
    "Admin",    "Chosen",     "Cleric", "Council",         "Cre",         "Crimson",
    "Dagda",    "Dominion",   "Dragon", "Druid",           "Enforcer",    "Fighter",
    "Forester", "Gossip",     "Hm",     "Intercre",        "Intergossip", "Mage",
    "Mid",      "Minstrel",   "Monk",   "Mudinfo",         "Newbie",      "Rogue",
    "Shire",    "Ultrashout", "Yak",    "Cre@FenmarchMUD", "Chat",        "Fenmarch"};

} // namespace vesk
