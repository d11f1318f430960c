#include "input/CommandHistory.h"

#include <algorithm>

namespace vesk {

void CommandHistory::remember(std::string_view line) {
    entries_.emplace_back(line);
    cursor_ = size() - 1;
}

std::optional<std::string> CommandHistory::back() {
    // Only a walk down an empty history leaves the cursor below 0; the next remembered line
    // puts it back.
    if (cursor_ < 0) {
        return std::nullopt;
    }
    std::optional<std::string> shown;
    if (cursor_ < size()) {
        shown = entries_[static_cast<std::size_t>(cursor_)];
    }
    cursor_ = std::max(cursor_ - 1, 0);
    return shown;
}

std::string CommandHistory::forward() {
    ++cursor_;
    if (cursor_ < size()) {
        return entries_[static_cast<std::size_t>(cursor_)];
    }
    cursor_ = size() - 1;
    return {};
}

} // namespace vesk
