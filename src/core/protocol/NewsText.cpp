#include "protocol/NewsText.h"

#include "common/Host.h"

namespace vesk {

NewsText::NewsText(Host& host) : host_(host) {}

void NewsText::apply(const std::vector<std::string_view>& words) {
    exists_ = true;
    if (!words.empty() && words.front() == "CLEAR") {
        text_.clear();
    } else {
        if (!text_.empty()) {
            text_.append("\r\n");
        }
        for (const std::string_view word : words) {
            text_.append(word).push_back(' ');
        }
    }
    host_.changed(Change::News);
}

} // namespace vesk
