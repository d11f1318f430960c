#include "profiles/ProfilesDialog.h"

#include "common/TextFields.h"
#include "preferences/Preferences.h"
#include "profiles/MacrosPage.h"
#include "profiles/TriggersPage.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vesk {

ProfilesDialog::ProfilesDialog(Preferences& preferences, const QString& soundFolder,
                               int initialIndex, QWidget* parent)
    : QDialog(parent), preferences_(preferences), list_(new QListWidget(this)),
      nameLabel_(new QLabel(QStringLiteral("Name:"), this)), nameField_(new QLineEdit(this)),
      insertCopy_(new QPushButton(QStringLiteral("Insert Copy"), this)),
      delete_(new QPushButton(QStringLiteral("Delete"), this)),
      newProfile_(new QPushButton(QStringLiteral("New Profile"), this)),
      autoCreate_(new QCheckBox(
          QStringLiteral("Auto-create profiles for new characters upon log in"), this)),
      tabs_(new QTabWidget(this)), macros_(new MacrosPage(this)),
      triggers_(new TriggersPage(preferences.settings, soundFolder, this)) {
    setWindowTitle(QStringLiteral("Profiles"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    nameField_->setMaxLength(static_cast<int>(nameWidth));
    nameLabel_->setBuddy(nameField_);
    list_->setAccessibleName(QStringLiteral("Profiles"));
    tabs_->setAccessibleName(QStringLiteral("Profile pages"));
    tabs_->addTab(macros_, QStringLiteral("Macros"));
    tabs_->addTab(triggers_, QStringLiteral("Triggers"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProfilesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProfilesDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(autoCreate_);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* body = new QHBoxLayout;
    body->addLayout(buildProfileColumn());
    body->addWidget(tabs_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addSpacing(4);
    layout->addLayout(bottom);

    // Room for the help texts of both tabs and a dozen rows in each list.
    resize(sizeHint().expandedTo(QSize(860, 480)));

    connectControls();
    load(preferences_);
    selectIndex(initialIndex);
}

QLayout* ProfilesDialog::buildProfileColumn() {
    auto* title = new QLabel(QStringLiteral("Profiles"), this);
    title->setBuddy(list_);
    auto* name = new QHBoxLayout;
    name->addWidget(nameLabel_);
    name->addWidget(nameField_, 1);
    auto* column = new QVBoxLayout;
    column->addWidget(title);
    column->addWidget(list_, 1);
    column->addLayout(name);
    for (QPushButton* button : {insertCopy_, delete_, newProfile_}) {
        button->setAutoDefault(false);
        column->addWidget(button);
    }
    list_->setMinimumWidth(180);
    list_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    return column;
}

void ProfilesDialog::connectControls() {
    connect(list_, &QListWidget::itemSelectionChanged, this, &ProfilesDialog::showSelected);
    connect(nameField_, &QLineEdit::textEdited, this, &ProfilesDialog::renameSelected);
    connect(insertCopy_, &QPushButton::clicked, this, &ProfilesDialog::insertCopy);
    connect(delete_, &QPushButton::clicked, this, &ProfilesDialog::deleteSelected);
    connect(newProfile_, &QPushButton::clicked, this, &ProfilesDialog::appendNewProfile);
}

void ProfilesDialog::load(const Preferences& preferences) {
    editing_.emplace(preferences.profiles, preferences.characters, preferences.activeProfile);
    autoCreate_->setChecked(preferences.settings.isOn(setting::createNewProfiles));
    fillList(0);
}

void ProfilesDialog::save(Preferences& preferences) const {
    editing_->commit(preferences.profiles, preferences.characters, preferences.activeProfile);
    preferences.settings.setNumber(setting::createNewProfiles, autoCreate_->isChecked() ? 1 : 0);
}

void ProfilesDialog::accept() {
    // The trigger matcher notices the edited lists by their revisions.
    save(preferences_);
    emit saveRequested();
    QDialog::accept();
}

int ProfilesDialog::selectedIndex() const {
    const auto selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.front());
}

void ProfilesDialog::selectIndex(int index) {
    if (!editing_->contains(index)) {
        index = 0;
    }
    list_->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    // Always reload the pages: a list that grew may have moved the profiles they edit.
    showSelected();
}

// The list is rebuilt after a profile is added or removed; the pages are reloaded by the
// selection that follows.
void ProfilesDialog::fillList(int selection) {
    {
        const QSignalBlocker blocker(list_);
        list_->clear();
        for (const auto& profile : editing_->profiles().profiles()) {
            list_->addItem(toQString(profile.name()));
        }
    }
    selectIndex(selection);
}

void ProfilesDialog::showSelected() {
    const int index = selectedIndex();
    CharacterProfile* profile = editing_->contains(index)
                                    ? &editing_->profiles()[static_cast<std::size_t>(index)]
                                    : nullptr;
    loadedName_ = profile != nullptr ? KeptText(profile->name()) : KeptText();
    nameField_->setText(loadedName_.text());
    macros_->LoadMacroTable(profile != nullptr ? &profile->macros : nullptr);
    triggers_->LoadTriggerList(profile != nullptr ? &profile->triggers : nullptr);
    // The default profile keeps its name and cannot be deleted, but can be copied.
    const bool renamable = profile != nullptr && index > 0;
    nameLabel_->setEnabled(renamable);
    nameField_->setEnabled(renamable);
    delete_->setEnabled(renamable);
    insertCopy_->setEnabled(profile != nullptr);
}

void ProfilesDialog::renameSelected(const QString& text) {
    const int index = selectedIndex();
    if (!editing_->rename(index, loadedName_.bytesFor(text))) {
        return;
    }
    const QString stored = toQString(editing_->profiles()[static_cast<std::size_t>(index)].name());
    list_->item(index)->setText(stored);
    if (stored != text) {
        nameField_->setText(stored);
    }
}

void ProfilesDialog::insertCopy() {
    const int added = editing_->insertCopy(selectedIndex());
    if (added >= 0) {
        fillList(added);
    }
}

void ProfilesDialog::deleteSelected() {
    const int index = selectedIndex();
    if (editing_->remove(index)) {
        fillList(std::min(index, editing_->size() - 1));
    }
}

void ProfilesDialog::appendNewProfile() {
    fillList(editing_->appendNewProfile());
}

} // namespace vesk
