#include "info/NewsText.h"

#include "common/Host.h"

namespace vesk {

NewsText::NewsText(Host& host) : host_(host) {}

void NewsText::apply(const std::vector<std::string_view>& words) {
    exists_ = true;
    if (!words.empty() && words.front() == "CLEAR") {
        messages_.clear();
        ++generation_;
        joinedCurrent_ = false;
    } else {
        std::string message;
        for (const std::string_view word : words) {
            if (message.size() + word.size() + 1 > longestMessage) {
                break;
            }
            message.append(word).push_back(' ');
        }
        // An empty message goes on a line of its own, but only behind text: an empty one first
        // leaves the text empty, as it always has.
        if (!message.empty() || !messages_.empty()) {
            messages_.push_back(std::move(message));
            ++messagesAdded_;
        }
        if (messages_.size() > mostMessages) {
            messages_.pop_front();
        }
        joinedCurrent_ = false;
    }
    host_.changed(Change::News);
}

const std::string& NewsText::text() const {
    if (!joinedCurrent_) {
        joined_.clear();
        for (const std::string& message : messages_) {
            if (&message != &messages_.front()) {
                joined_.append("\r\n");
            }
            joined_.append(message);
        }
        joinedCurrent_ = true;
    }
    return joined_;
}

} // namespace vesk
