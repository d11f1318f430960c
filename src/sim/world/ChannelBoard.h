#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::sim {

// The game's chat channels: which typed word speaks on which channel, the exact line every
// listener sees ("[Gossip] Bob: hi", "[Gossip] Bob waves"), and the recent lines that
// "review <channel>" shows between the review markers.
class ChannelBoard {
public:
    static constexpr std::size_t historyLength = 20;
    static constexpr std::string_view beginReview = "<=- Begin Review -=>";
    static constexpr std::string_view endReview = "<=-  End Review  -=>";

    struct Speech {
        std::string channel;
        bool emote = false;
        auto operator<=>(const Speech&) const = default;
    };

    // "gossip" speaks on Gossip, "gossipemote" emotes there; nothing for other words.
    static std::optional<Speech> speechForCommand(std::string_view word);
    // The channel named by a word in any letter case ("gossip", "Gossip").
    static std::optional<std::string> channelNamed(std::string_view word);
    static const std::vector<std::string>& channelNames();

    // Formats the line, keeps it for review and returns it.
    std::string speak(const Speech& speech, std::string_view speaker, std::string_view text);
    std::vector<std::string> review(std::string_view channel) const;

private:
    std::map<std::string, std::deque<std::string>, std::less<>> history;
};

} // namespace vesk::sim
