#include "social/WhoOptionsDialog.h"

#include "preferences/Preferences.h"
#include "social/WhoListView.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {

WhoOptionsDialog::WhoOptionsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("'Who' Options"));
    auto* box = new QGroupBox(tr("Columns of the who list"), this);
    auto* boxLayout = new QVBoxLayout(box);
    level_ = new QCheckBox(tr("Show Level"), box);
    name_ = new QCheckBox(tr("Show Name"), box);
    race_ = new QCheckBox(tr("Show Race"), box);
    class_ = new QCheckBox(tr("Show Class"), box);
    for (QCheckBox* check : {level_, name_, race_, class_}) {
        boxLayout->addWidget(check);
    }
    auto* friends = new QPushButton(tr("Edit Friends Lists"), this);
    friends->setAutoDefault(false);
    connect(friends, &QPushButton::clicked, this, [this] {
        if (editFriendsLists_) {
            editFriendsLists_();
        }
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(friends);
    buttonRow->addSpacing(24);
    buttonRow->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void WhoOptionsDialog::load(const Preferences& preferences) {
    const Settings& settings = preferences.settings;
    level_->setChecked(settings.isOn(setting::showWhoLevel));
    name_->setChecked(settings.isOn(setting::showWhoName));
    race_->setChecked(settings.isOn(setting::showWhoRace));
    class_->setChecked(settings.isOn(setting::showWhoClass));
}

void WhoOptionsDialog::save(Preferences& preferences) const {
    Settings& settings = preferences.settings;
    settings.setNumber(setting::showWhoLevel, level_->isChecked() ? 1 : 0);
    settings.setNumber(setting::showWhoName, name_->isChecked() ? 1 : 0);
    settings.setNumber(setting::showWhoRace, race_->isChecked() ? 1 : 0);
    settings.setNumber(setting::showWhoClass, class_->isChecked() ? 1 : 0);
}

bool WhoOptionsDialog::run(Preferences& preferences, QWidget* parent,
                           std::function<void()> editFriendsLists) {
    WhoOptionsDialog dialog(parent);
    dialog.setEditFriendsLists(std::move(editFriendsLists));
    dialog.load(preferences);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    dialog.save(preferences);
    return true;
}

} // namespace vesk
