#pragma once

#include "settings/OptionsPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace vesk {

// "Cmd. Stack": whether one typed line may hold several commands, and the character that
// separates them.
class CommandStackPage : public OptionsPage {
    Q_OBJECT

public:
    explicit CommandStackPage(QWidget* parent = nullptr);

    void load(const Preferences& preferences) override;
    // The separator is the first character of the field. An empty field stores no separator,
    // which the send path reads as "the whole line is one command".
    void save(Preferences& preferences) override;

    QCheckBox* stackingBox() const { return stacking_; }
    QLineEdit* separatorEdit() const { return separator_; }
    QLabel* separatorLabel() const { return separatorLabel_; }

private:
    void enableSeparator(bool enabled);

    QCheckBox* stacking_ = nullptr;
    QLabel* separatorLabel_ = nullptr;
    QLineEdit* separator_ = nullptr;
};

} // namespace vesk
