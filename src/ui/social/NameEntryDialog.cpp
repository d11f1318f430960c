#include "social/NameEntryDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vesk {

NameEntryDialog::NameEntryDialog(const QString& title, const QString& text, int maxLength,
                                 QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    field_ = new QLineEdit(text, this);
    field_->setMaxLength(maxLength);
    field_->setMinimumWidth(240);
    field_->selectAll();
    auto* hint = new QLabel(tr("One word; anything after the first blank is left out."), this);
    hint->setEnabled(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* label = new QLabel(title + QLatin1Char(':'), this);
    label->setBuddy(field_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(field_);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString NameEntryDialog::text() const {
    return field_->text();
}

std::optional<QString> NameEntryDialog::ask(QWidget* parent, const QString& title,
                                            const QString& text, int maxLength) {
    NameEntryDialog dialog(title, text, maxLength, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.text();
}

} // namespace vesk
