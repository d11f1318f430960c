#include "world/ChannelBoard.h"

#include "base/TextWords.h"

namespace vesk::sim {

const std::vector<std::string>& ChannelBoard::channelNames() {
    static const std::vector<std::string> names = {
        "Admin",    "Chosen",     "Cleric", "Council",         "Cre",         "Crimson",
        "Dagda",    "Dominion",   "Dragon", "Druid",           "Enforcer",    "Fighter",
        "Forester", "Gossip",     "Hm",     "Intercre",        "Intergossip", "Mage",
        "Mid",      "Minstrel",   "Monk",   "Mudinfo",         "Newbie",      "Rogue",
        "Shire",    "Ultrashout", "Yak",    "Cre@FenmarchMUD", "Chat",        "Fenmarch"};
    return names;
}

std::optional<std::string> ChannelBoard::channelNamed(std::string_view word) {
    for (const auto& name : channelNames()) {
        if (sameName(name, word)) {
            return name;
        }
    }
    return std::nullopt;
}

std::optional<ChannelBoard::Speech> ChannelBoard::speechForCommand(std::string_view word) {
    constexpr std::string_view emoteSuffix = "emote";
    for (const auto& name : channelNames()) {
        const auto lowered = lowerCase(name);
        if (word == lowered) {
            return Speech{name, false};
        }
        if (word.size() == lowered.size() + emoteSuffix.size() && word.starts_with(lowered) &&
            word.ends_with(emoteSuffix)) {
            return Speech{name, true};
        }
    }
    return std::nullopt;
}

std::string ChannelBoard::speak(const Speech& speech, std::string_view speaker,
                                std::string_view text) {
    std::string line = "[" + speech.channel + "] " + std::string(speaker);
    line += speech.emote ? " " : ": ";
    line += text;
    auto& lines = history[speech.channel];
    lines.push_back(line);
    if (lines.size() > historyLength) {
        lines.pop_front();
    }
    return line;
}

std::vector<std::string> ChannelBoard::review(std::string_view channel) const {
    std::vector<std::string> lines{std::string(beginReview)};
    if (const auto found = history.find(channel); found != history.end()) {
        lines.insert(lines.end(), found->second.begin(), found->second.end());
    }
    lines.emplace_back(endReview);
    return lines;
}

} // namespace vesk::sim
