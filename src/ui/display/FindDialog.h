#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace vesk {

class FindState;
class OutputView;
class TypedTextEncoding;

// The modeless "Find" dialog: each "Find Next" is one step of the client's find state over the
// main buffer; a match becomes the main view's selection and is scrolled into sight. The find
// state outlives the dialog; a new dialog starts from the top again. The text is looked for as
// the server writes it: UTF-8, or Latin-1 on a server that has shown it writes Latin-1.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(FindState& state, OutputView& view, const TypedTextEncoding& encoding,
               QWidget* parent = nullptr);

    // Focus on the search text, all of it selected.
    void focusText();
    void findNext();

    QLineEdit* textField() const { return text_; }
    QCheckBox* searchUpBox() const { return searchUp_; }

private:
    FindState& state_;
    OutputView& view_;
    const TypedTextEncoding& encoding_;
    QLineEdit* text_;
    QCheckBox* searchUp_;
    QCheckBox* ignoreCase_;
};

} // namespace vesk
