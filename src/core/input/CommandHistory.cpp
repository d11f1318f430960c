#include "input/CommandHistory.h"

#include "common/TextFields.h"

#include <algorithm>

namespace vesk {

void CommandHistory::remember(std::string_view line) {
    entries_.emplace_back(line);
    cursor_ = size() - 1;
    searching_ = false;
}

void CommandHistory::replaceEntries(std::vector<std::string> entries) {
    entries_ = std::move(entries);
    cursor_ = size() - 1;
    searching_ = false;
}

bool CommandHistory::matches(std::size_t index, std::string_view text) const {
    return lowerCased(entries_[index]).find(lowerCased(text)) != std::string::npos;
}

std::string CommandHistory::shownBySearch() const {
    return searchCursor_ < entries_.size() ? entries_[searchCursor_] : searchText_;
}

// The walk goes on while the line shows what it last gave; a line edited since starts a new
// search for its text.
void CommandHistory::startSearch(std::string_view lineText) {
    if (searching_ && lineText == shownBySearch()) {
        return;
    }
    searching_ = true;
    searchText_ = lineText;
    searchCursor_ = entries_.size();
}

std::optional<std::string> CommandHistory::searchBack(std::string_view lineText) {
    startSearch(lineText);
    const std::string shown = shownBySearch();
    for (std::size_t index = searchCursor_; index-- > 0;) {
        if (matches(index, searchText_) && entries_[index] != shown) {
            searchCursor_ = index;
            return entries_[index];
        }
    }
    return std::nullopt;
}

std::string CommandHistory::searchForward(std::string_view lineText) {
    startSearch(lineText);
    const std::string shown = shownBySearch();
    for (std::size_t index = searchCursor_ + 1; index < entries_.size(); ++index) {
        if (matches(index, searchText_) && entries_[index] != shown) {
            searchCursor_ = index;
            return entries_[index];
        }
    }
    searchCursor_ = entries_.size();
    return searchText_;
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
