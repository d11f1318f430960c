#include "login/LoginDohickey.h"

#include "common/TextBoundary.h"
#include "login/AutoLogin.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vesk {

LoginDohickey::LoginDohickey(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Login Do-hickey"));
    const int width = static_cast<int>(AutoLogin::pendingWidth);
    name_ = new QLineEdit(this);
    name_->setObjectName("name");
    name_->setMaxLength(width);
    name_->setMinimumWidth(240);
    name_->installEventFilter(this);
    password_ = new QLineEdit(this);
    password_->setObjectName("password");
    password_->setMaxLength(width);
    password_->setEchoMode(QLineEdit::Password);

    auto* form = new QFormLayout;
    form->addRow(tr("Name:"), name_);
    form->addRow(tr("Password:"), password_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* intro = new QLabel(tr("FenmarchMUD asks who you are. Your password stays hidden here "
                                "and is never shown in the game window."),
                             this);
    intro->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    name_->setFocus();
}

bool LoginDohickey::eventFilter(QObject* watched, QEvent* event) {
    if (watched == name_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            password_->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The automatic login capitalises the name and cuts both fields when it answers the prompts.
LoginDetails LoginDohickey::details() const {
    return {toBytes(name_->text()), toBytes(password_->text())};
}

std::optional<LoginDetails> LoginDohickey::ask(QWidget* parent) {
    LoginDohickey dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.details();
}

} // namespace vesk
