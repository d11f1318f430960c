#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class Host;

// The text of the news window the server opens with its news messages. The window appears at the
// first message; each message adds a line of words, and "CLEAR" empties the text so the server
// can send its news afresh at every login instead of adding another copy.
class NewsText {
public:
    static constexpr std::string_view title = "Vesk News";
    static constexpr std::string_view closeButton = "Okie dokie";
    static constexpr std::string_view downloadButton = "Download newest version of Vesk";

    explicit NewsText(Host& host);

    // The words of one news message. A message whose first word is "CLEAR" opens the window and
    // empties its text; anything else goes on a new line, each word followed by one blank.
    void apply(const std::vector<std::string_view>& words);

    bool exists() const { return exists_; }
    const std::string& text() const { return text_; }

private:
    Host& host_;
    bool exists_ = false;
    std::string text_;
};

} // namespace vesk
