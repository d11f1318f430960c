#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace vesk {

class FindState;
class OutputView;

// The modeless "Find" dialog: each "Find Next" is one step of the client's find state over the
// main buffer; a match becomes the main view's selection and is scrolled into sight. The find
// state outlives the dialog; a new dialog starts from the top again.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(FindState& state, OutputView& view, QWidget* parent = nullptr);

    // Focus on the search text, all of it selected.
    void focusText();
    void findNext();

    QLineEdit* textField() const { return text_; }
    QCheckBox* searchUpBox() const { return searchUp_; }
    QCheckBox* ignoreCaseBox() const { return ignoreCase_; }

private:
    FindState& state_;
    OutputView& view_;
    QLineEdit* text_;
    QCheckBox* searchUp_;
    QCheckBox* ignoreCase_;
};

} // namespace vesk
