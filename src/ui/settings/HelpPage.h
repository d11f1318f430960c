#pragma once

#include "settings/OptionsPage.h"

class QLineEdit;

namespace vesk {

// "Help": the program that shows the game's help files.
class HelpPage : public OptionsPage {
    Q_OBJECT

public:
    explicit HelpPage(QWidget* parent = nullptr);

    void load(const Preferences& preferences) override;
    void save(Preferences& preferences) override;

    QLineEdit* editorEdit() const { return editor_; }

private:
    QLineEdit* editor_ = nullptr;
};

} // namespace vesk
