#pragma once

#include "input/InputEditor.h"

namespace vesk {

// An input line without a window: its text and whether all of it is selected.
class InputText : public InputEditor {
public:
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { setTextAndCaret(text, text.size()); }
    std::size_t caret() const override { return caret_; }
    void setTextAndCaret(const std::string& text, std::size_t caret) override {
        text_ = text;
        caret_ = caret < text.size() ? caret : text.size();
        selected_ = false;
    }
    void selectAll() override { selected_ = !text_.empty(); }
    bool hasSelection() const override { return selected_; }
    bool wholeTextSelected() const override { return selected_; }

private:
    std::string text_;
    std::size_t caret_ = 0;
    bool selected_ = false;
};

} // namespace vesk
