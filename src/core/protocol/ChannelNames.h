#pragma once

#include <array>
#include <string_view>

namespace vesk {

// The game's channels, in the order lines and commands are tried against them.
inline constexpr std::array<std::string_view, 30> ChannelNames = {
    "Admin",    "Chosen",     "Cleric", "Council",         "Cre",         "Crimson",
    "Dagda",    "Dominion",   "Dragon", "Druid",           "Enforcer",    "Fighter",
    "Forester", "Gossip",     "Hm",     "Intercre",        "Intergossip", "Mage",
    "Mid",      "Minstrel",   "Monk",   "Mudinfo",         "Newbie",      "Rogue",
    "Shire",    "Ultrashout", "Yak",    "Cre@FenmarchMUD", "Chat",        "Fenmarch"};

} // namespace vesk
