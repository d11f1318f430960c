#pragma once

#include <cstddef>
#include <string>

namespace vesk {

// The input line's edit box as the key handling sees it. The front end implements it over its
// edit widget; the headless driver and the tests use InputText.
class InputEditor {
public:
    virtual ~InputEditor() = default;
    virtual std::string text() const = 0;
    // Replaces the text and puts the caret at its end.
    virtual void setText(const std::string& text) = 0;
    // Selects the whole text and scrolls the caret into view, so the next keystroke replaces it.
    virtual void selectAll() = 0;
    virtual bool hasSelection() const = 0;
    // Whether all of a text (not an empty one) is selected.
    virtual bool wholeTextSelected() const = 0;
    // The caret as a byte offset into text().
    virtual std::size_t caret() const = 0;
    // Replaces the text and puts the caret at a byte offset into it.
    virtual void setTextAndCaret(const std::string& text, std::size_t caret) = 0;
};

} // namespace vesk
