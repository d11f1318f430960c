#pragma once

#include "input/InputEditor.h"

namespace vesk {

// An input line without a window: its text and whether all of it is selected.
class InputText : public InputEditor {
public:
    std::string text() const override { return text_; }
    void setText(const std::string& text) override {
        text_ = text;
        selected_ = false;
    }
    void selectAll() override { selected_ = !text_.empty(); }
    bool hasSelection() const override { return selected_; }
    bool wholeTextSelected() const override { return selected_; }

private:
    std::string text_;
    bool selected_ = false;
};

} // namespace vesk
