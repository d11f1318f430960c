#pragma once

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
};

} // namespace vesk
