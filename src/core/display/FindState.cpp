#include "display/FindState.h"

#include "common/Host.h"
#include "display/CharacterColumns.h"
#include "display/TextBuffer.h"

namespace vesk {

FindState::FindState(TextBuffer& mainBuffer, Host& host)
    : buffer_(mainBuffer), dropped_(mainBuffer), host_(host) {}

// The next step goes on after the same text when older lines were dropped meanwhile; from the
// top when that text itself was dropped.
void FindState::followDrops() {
    searchLine_ -= dropped_.sinceLastLook();
    if (searchLine_ < 0) {
        searchLine_ = searchCol_ = 0;
    }
}

void FindState::restartFrom(bool backwards) {
    const TextPosition start = backwards ? LastPosition(buffer_) : TextPosition{};
    searchLine_ = start.line;
    searchCol_ = start.column;
}

void FindState::Select(TextPosition match, int length) {
    buffer_.selStartLine = buffer_.selEndLine = match.line;
    buffer_.selStartCol = match.column;
    buffer_.selEndCol = match.column + length;
    host_.changed(Change::MainBuffer);
}

void FindState::ClearSelection() {
    buffer_.selStartLine = buffer_.selStartCol = buffer_.selEndLine = buffer_.selEndCol = -1;
    host_.changed(Change::MainBuffer);
}

bool FindState::searchedWholeBuffer(bool backwards) const {
    if (backwards) {
        const TextPosition last = LastPosition(buffer_);
        return searchLine_ >= last.line && searchCol_ >= last.column;
    }
    return searchLine_ <= 0 && searchCol_ <= 0;
}

bool FindState::askToLoopBack(bool backwards) {
    const std::string question =
        std::string(notFound) + (backwards ? "\n\nLoop back to the bottom and continue the search?"
                                           : "\n\nLoop back to the start and continue the search?");
    return host_.askQuestion(std::string(title), question);
}

// A Yes to the loop-back question restarts at the far end; a search from there that still
// misses has covered the whole buffer and ends with the plain message, so the loop is finite.
FindState::Result FindState::FindNext(const Request& request) {
    const bool backwards = request.searchUp;
    followDrops();
    for (;;) {
        if (request.text != lastSearchText_) {
            restartFrom(backwards);
        }
        lastSearchText_ = request.text;
        if (request.text.empty()) {
            return {Outcome::Empty, {}};
        }
        const int length = columnCount(request.text);
        const std::optional<TextPosition> match =
            Search(buffer_, request.text, searchLine_, searchCol_, !request.ignoreCase, backwards);
        if (match) {
            searchLine_ = match->line;
            // Forwards the next step starts after the match. Backwards it must end before the
            // match's last character; for a one-letter text that means one column earlier, or
            // the same letter would be found again at every step.
            searchCol_ = match->column + (backwards ? (length == 1 ? -1 : 0) : length);
            Select(*match, length);
            return {Outcome::Found, *match};
        }
        ClearSelection();
        if (searchedWholeBuffer(backwards)) {
            host_.showTitledMessage(std::string(title), std::string(notFound));
            return {Outcome::NotFound, {}};
        }
        if (!askToLoopBack(backwards)) {
            return {Outcome::Declined, {}};
        }
        restartFrom(backwards);
    }
}

} // namespace vesk
