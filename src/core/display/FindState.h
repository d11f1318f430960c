#pragma once

#include "display/DroppedLines.h"
#include "display/Search.h"

#include <string>

namespace vesk {

class Host;
class TextBuffer;

// The Find dialog's memory between steps: where the next search starts and what was searched
// last. It outlives the dialog; each step selects the match in the main buffer (the main view
// draws that selection) or asks whether to loop back round the buffer.
class FindState {
public:
    struct Request {
        // UTF-8, as the dialog's field gives it.
        std::string text;
        bool ignoreCase = true;
        bool searchUp = false;
    };

    enum class Outcome {
        Found,    // the match is selected; the view scrolls it into sight
        NotFound, // the whole buffer was searched; the dialog selects its text again
        Declined, // the player chose not to loop back
        Empty,    // nothing to search for
    };

    struct Result {
        Outcome outcome = Outcome::Empty;
        TextPosition match;
        bool operator==(const Result&) const = default;
    };

    static constexpr std::string_view title = "Vesk Find";
    static constexpr std::string_view notFound = "The search string was not found.";

    FindState(TextBuffer& mainBuffer, Host& host);

    // A newly created dialog starts at the top again; the last text is kept.
    void resetStart() { searchLine_ = searchCol_ = 0; }
    // One "Find Next" step.
    Result FindNext(const Request& request);

    int searchLine() const { return searchLine_; }
    int searchCol() const { return searchCol_; }
    const std::string& lastSearchText() const { return lastSearchText_; }

private:
    void restartFrom(bool backwards);
    void Select(TextPosition match, int length);
    void ClearSelection();
    bool searchedWholeBuffer(bool backwards) const;
    bool askToLoopBack(bool backwards);

    void followDrops();

    TextBuffer& buffer_;
    DroppedLines dropped_;
    Host& host_;
    int searchLine_ = 0;
    int searchCol_ = 0;
    std::string lastSearchText_;
};

} // namespace vesk
