#pragma once

#include "common/Host.h"

#include <QDialog>

#include <optional>

class QLineEdit;

namespace vesk {

// The "Login Do-hickey": asks for the name and password when the server prompts for them
// and no stored character was chosen, so the password is never typed into the visible
// input line.
class LoginDohickey : public QDialog {
    Q_OBJECT
public:
    explicit LoginDohickey(QWidget* parent = nullptr);

    // What was typed, each cut to 254 characters, the name's first letter upper-cased.
    LoginDetails details() const;

    // Runs the dialog modally; nothing on Cancel. The main window's Host answers
    // askLoginDetails() with it.
    static std::optional<LoginDetails> ask(QWidget* parent);

protected:
    // Enter in the name field moves on to the password instead of closing the dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* name_ = nullptr;
    QLineEdit* password_ = nullptr;
};

} // namespace vesk
