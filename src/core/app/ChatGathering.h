#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class Host;
class Settings;
class TextBuffer;

// Conversation that gathers in the chat pane: while the pane is open (and "GatherChat" is on),
// what other players say to the player or on a channel (the lines the session log files as a
// tell, shout, say or channel line) is copied into the chat pane as well as shown in the main
// view, so a player can follow it during a fight. The copy is not logged: the session log
// has the line once, from the main view. The player's own lines ("You say: ...", a channel
// line under the player's own name) are left out; the player's commands already echo there.
//
// The speakers of those lines are kept, the most recent first, for completing names.
class ChatGathering {
public:
    static constexpr std::size_t speakerLimit = 50;

    ChatGathering(const Settings& settings, TextBuffer& chatBuffer, Host& host);

    // A received line the log recognised, with its log category (0 tell, 1 shout, 2 say,
    // 3 channel, 4 anything else), and the name of the player's character ("" before login).
    void receivedLine(std::string_view line, int category, std::string_view ownName);

    // Whether a recognised line is another player's conversation.
    static bool isOthersConversation(std::string_view line, int category, std::string_view ownName);
    // Who spoke a conversation line: "Bob" of "Bob says: hi", "Bob tells you: ...", "Bob shouts
    // ..." and "[Gossip] Bob: hi". Nothing for other lines and for the player's own.
    static std::optional<std::string_view> speakerOf(std::string_view line, int category);

    // The names of recent speakers, the most recent first, each once.
    const std::deque<std::string>& recentSpeakers() const { return speakers_; }

private:
    void rememberSpeaker(std::string_view name);

    const Settings& settings_;
    TextBuffer& chatBuffer_;
    Host& host_;
    std::deque<std::string> speakers_;
};

} // namespace vesk
