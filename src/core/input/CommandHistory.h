#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// The commands the player sent from the input line, oldest first, and the cursor that Up and
// Down walk. Every remembered line is kept: no limit, no de-duplication, empty lines too.
//
// After a line is remembered the cursor points at it, so the first Up shows the line just sent;
// Up stops at the oldest entry, and Down past the newest empties the input line.
class CommandHistory {
public:
    void remember(std::string_view line);

    // Up: the entry to show, or nothing when the input line keeps its text.
    std::optional<std::string> back();
    // Down: the entry to show; an empty text once the walk has passed the newest entry.
    std::string forward();

    const std::vector<std::string>& entries() const { return entries_; }
    int cursor() const { return cursor_; }

private:
    int size() const { return static_cast<int>(entries_.size()); }

    std::vector<std::string> entries_;
    int cursor_ = 0;
};

} // namespace vesk
