#include "settings/ChatWindowOptionsDialog.h"
#include "settings/PageControls.h"

#include "preferences/Preferences.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vesk {

ChatWindowOptionsDialog::ChatWindowOptionsDialog(Preferences& preferences, QWidget* parent)
    : QDialog(parent), preferences_(preferences) {
    setWindowTitle(tr("Chat Window Options"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createChoices());
    layout->addWidget(createRows());
    layout->addWidget(buttons);
    load(preferences_);
}

QWidget* ChatWindowOptionsDialog::createChoices() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createChoice(tr("Location"), top_, tr("Top"), bottom_, tr("Bottom"), row));
    layout->addWidget(
        createChoice(tr("Type"), fixed_, tr("Fixed location"), moveable_, tr("Moveable"), row));
    return row;
}

QWidget* ChatWindowOptionsDialog::createRows() {
    auto* group = new QGroupBox(tr("Size"), this);
    auto* form = new QFormLayout(group);
    rows_ = new QSpinBox(group);
    const SettingLimits& limits = SettingsTable::limits(setting::chatLines);
    rows_->setRange(limits.minimum, limits.maximum);
    form->addRow(tr("Number of Rows:"), rows_);
    return group;
}

bool ChatWindowOptionsDialog::run() {
    return exec() == QDialog::Accepted;
}

void ChatWindowOptionsDialog::load(const Preferences& preferences) {
    const Settings& settings = preferences.settings;
    (settings.isOn(setting::chatLocation) ? top_ : bottom_)->setChecked(true);
    (settings.isOn(setting::chatMoveable) ? moveable_ : fixed_)->setChecked(true);
    rows_->setValue(settings.number(setting::chatLines));
}

void ChatWindowOptionsDialog::save(Preferences& preferences) const {
    Settings& settings = preferences.settings;
    settings.setNumber(setting::chatLocation, top_->isChecked() ? 1 : 0);
    settings.setNumber(setting::chatMoveable, moveable_->isChecked() ? 1 : 0);
    settings.setNumber(setting::chatLines, rows_->value());
}

void ChatWindowOptionsDialog::accept() {
    save(preferences_);
    QDialog::accept();
}

} // namespace vesk
