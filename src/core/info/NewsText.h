#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class Host;

// The text of the news window the server opens with its news messages. The window appears at the
// first message; each message adds a line of words, and "CLEAR" empties the text so the server
// can send its news afresh at every login instead of adding another copy.
//
// What a server can fill is bounded: the window keeps the latest messages only, and a message
// longer than a screenful of words is cut after the last word that fits, so a flood of news
// costs bounded memory and the window never has to lay out a megabyte-long paragraph.
class NewsText {
public:
    static constexpr std::string_view title = "Vesk News";
    static constexpr std::string_view closeButton = "Okie dokie";
    static constexpr std::string_view downloadButton = "Download newest version of Vesk";
    static constexpr std::size_t mostMessages = 1000;
    static constexpr std::size_t longestMessage = 4000;

    explicit NewsText(Host& host);

    // The words of one news message. A message whose first word is "CLEAR" opens the window and
    // empties its text; anything else goes on a new line, each word followed by one blank.
    void apply(const std::vector<std::string_view>& words);

    bool exists() const { return exists_; }
    // The messages kept, oldest first, joined by a carriage return and a line feed.
    const std::string& text() const;

    // The messages kept, oldest first, and how many were ever added: a view that remembers the
    // count it showed knows which messages are new (the last ones) and how many of those it
    // showed have gone (from the front).
    const std::deque<std::string>& messages() const { return messages_; }
    std::uint64_t messagesAdded() const { return messagesAdded_; }
    // Changes when the messages are replaced other than by adding (emptied): a view then starts
    // over.
    std::uint64_t generation() const { return generation_; }

private:
    Host& host_;
    bool exists_ = false;
    std::deque<std::string> messages_;
    std::uint64_t messagesAdded_ = 0;
    std::uint64_t generation_ = 0;
    mutable std::string joined_;
    mutable bool joinedCurrent_ = true;
};

} // namespace vesk
