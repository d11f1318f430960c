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

    // A search walk (Ctrl+Up, Ctrl+Down) through the commands that contain the text typed in
    // the line, ignoring the case of ASCII letters; an empty line finds every command. Up finds
    // the next older match, skipping commands equal to the one shown; nothing when there is
    // none (the line keeps its text). Down finds the next newer one, and past the newest gives
    // back the text searched for. The walk goes on while the line shows what it last gave; a
    // line typed into since starts a new search from the newest command.
    std::optional<std::string> searchBack(std::string_view lineText);
    std::string searchForward(std::string_view lineText);

    // The commands of an earlier session (the character's stored history) take the place of
    // the present ones; the cursor points at the newest.
    void replaceEntries(std::vector<std::string> entries);

    const std::vector<std::string>& entries() const { return entries_; }
    int cursor() const { return cursor_; }

private:
    int size() const { return static_cast<int>(entries_.size()); }

    bool matches(std::size_t index, std::string_view text) const;
    void startSearch(std::string_view lineText);
    std::string shownBySearch() const;

    std::vector<std::string> entries_;
    int cursor_ = 0;
    // The search walk: its text and the index of the command shown (size() before the first).
    std::string searchText_;
    std::size_t searchCursor_ = 0;
    bool searching_ = false;
};

} // namespace vesk
