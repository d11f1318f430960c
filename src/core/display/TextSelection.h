#pragma once

#include "display/DroppedLines.h"
#include "display/Search.h"
#include "display/TextBuffer.h"

#include <optional>
#include <string>
#include <string_view>

namespace vesk {

// The line end of copied text: the platform's own, so a paste elsewhere gets ordinary lines.
#ifdef _WIN32
inline constexpr std::string_view platformLineEnd = "\r\n";
#else
inline constexpr std::string_view platformLineEnd = "\n";
#endif

// The selection of one text pane, made with the mouse: the anchor where the button went down,
// the end where it came up, and the point under the pointer while it is dragged. The normalised
// range (start before end, the end column excluded) is kept in the buffer's selection fields,
// which painting and Find read; Find also selects its matches there directly. Columns count the
// characters of each line's plain text.
class TextSelection {
public:
    explicit TextSelection(TextBuffer& buffer) : buffer_(buffer), dropped_(buffer) {}

    void clear();
    // Button down on a character (nothing when the press missed every row).
    void begin(std::optional<TextPosition> anchor);
    // The pointer moved while the button is held: the highlight follows it.
    void drag(std::optional<TextPosition> pointer);
    // Button up: the selection is fixed, or dropped when the release missed every row.
    void end(std::optional<TextPosition> release);

    // All of the scroll-back.
    void selectAll();

    bool dragging() const { return dragging_; }
    bool hasRange() const { return buffer_.selStartLine >= 0; }

    // The selected characters (UTF-8), lines joined by `lineEnd`; nothing while dragging,
    // without a selection, or when a selected line is gone.
    std::optional<std::string> selectedText(std::string_view lineEnd = platformLineEnd) const;

private:
    void show(TextPosition from, TextPosition to);
    // The anchor moves up with its line when older lines were dropped (to the first character
    // left when its own line went); the buffer moves the shown range itself.
    void followDrops();

    TextBuffer& buffer_;
    DroppedLines dropped_;
    std::optional<TextPosition> anchor_;
    bool dragging_ = false;
};

// The whole buffer's plain characters (UTF-8), lines joined by `lineEnd`; two blanks when that
// text is empty, as a cleared pane copies.
std::string QueryText(const TextBuffer& buffer, std::string_view lineEnd = platformLineEnd);

// The word around a column of a line's plain characters, bounded by any of the delimiters;
// nothing when the column is past the text or the word is shorter than two characters.
std::optional<std::string> WordAt(std::string_view plain, int column, std::string_view delimiters);

// Delimiters of the right-click menu: the examine word stops at dots and colons, the link word
// keeps them.
inline constexpr std::string_view examineDelimiters = " '\t,.;:!?][|";
inline constexpr std::string_view linkDelimiters = " '\t,;!?][|";

// "http://" is put in front of a link word unless it begins with "http" already.
std::string linkAddress(std::string_view word);

} // namespace vesk
