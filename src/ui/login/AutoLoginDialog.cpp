#include "login/AutoLoginDialog.h"

#include "common/TextBoundary.h"
#include "connection/Connection.h"
#include "login/AutoLogin.h"
#include "login/CharacterEditor.h"
#include "login/CharacterRecordEditing.h"
#include "preferences/Preferences.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {

AutoLoginDialog::AutoLoginDialog(Parts parts, Hooks hooks, QWidget* parent)
    : QDialog(parent), parts_(parts), hooks_(std::move(hooks)) {
    setWindowTitle(tr("Auto Login Thingamijig"));
    buildLayout();
    connectSignals();
    fillList();
    selectSlot(CharacterRecordEditing::preselectedSlot(parts_.preferences.characters,
                                                       parts_.preferences.settings));
    updateEnabling();
}

void AutoLoginDialog::buildLayout() {
    editor_ = new CharacterEditor(parts_.preferences, parts_.typedText, this);
    auto* details = new QGroupBox(tr("Character"), this);
    auto* detailsLayout = new QVBoxLayout(details);
    detailsLayout->addWidget(editor_);
    detailsLayout->addStretch(1);

    const Settings& settings = parts_.preferences.settings;
    atStartup_ = new QCheckBox(tr("Display this when Vesk starts up"), this);
    atStartup_->setChecked(settings.isOn(setting::displayLoginAtStartup));
    atDisconnect_ = new QCheckBox(tr("Display this when you get disconnected"), this);
    atDisconnect_->setChecked(settings.isOn(setting::displayLoginAtDisconnect));
    auto* right = new QVBoxLayout;
    right->addWidget(details, 1);
    right->addWidget(atStartup_);
    right->addWidget(atDisconnect_);

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildCharactersBox());
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buildActionRow());
}

QGroupBox* AutoLoginDialog::buildCharactersBox() {
    auto* box = new QGroupBox(tr("Characters"), this);
    characters_ = new QListWidget(box);
    characters_->setObjectName("characters");
    characters_->setAccessibleName(box->title());
    characters_->setMinimumWidth(160);
    newCharacter_ = new QPushButton(tr("New Character"), box);
    copyCharacter_ = new QPushButton(tr("Copy Character"), box);
    deleteCharacter_ = new QPushButton(tr("Delete Character"), box);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(characters_, 1);
    for (QPushButton* button : {newCharacter_, copyCharacter_, deleteCharacter_}) {
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
    return box;
}

// Leaving the program sits apart on the left; the connection buttons and Close on the right,
// with connecting to the game as the default.
QWidget* AutoLoginDialog::buildActionRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 6, 0, 0);
    quit_ = new QPushButton(tr("Quit Vesk"), row);
    seeWho_ = new QPushButton(tr("See who's on FenmarchMUD"), row);
    connect_ = new QPushButton(tr("Connect to FenmarchMUD!"), row);
    close_ = new QPushButton(tr("Close"), row);
    layout->addWidget(quit_);
    layout->addStretch(1);
    for (QPushButton* button : {seeWho_, connect_, close_}) {
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
    quit_->setAutoDefault(false);
    connect_->setDefault(true);
    connect(connect_, &QPushButton::clicked, this, &AutoLoginDialog::connectToGame);
    connect(seeWho_, &QPushButton::clicked, this, &AutoLoginDialog::seeWhoIsOn);
    connect(quit_, &QPushButton::clicked, this, &AutoLoginDialog::quitVesk);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

void AutoLoginDialog::connectSignals() {
    connect(characters_, &QListWidget::currentRowChanged, this, [this](int row) {
        editor_->load(row);
        updateEnabling();
    });
    connect(characters_, &QListWidget::itemDoubleClicked, this, [this] { connectToGame(); });
    connect(editor_, &CharacterEditor::nameChanged, this, &AutoLoginDialog::updateListLine);
    connect(editor_, &CharacterEditor::editProfilesRequested, this, &AutoLoginDialog::editProfiles);
    connect(newCharacter_, &QPushButton::clicked, this, &AutoLoginDialog::newCharacter);
    connect(copyCharacter_, &QPushButton::clicked, this, &AutoLoginDialog::copyCharacter);
    connect(deleteCharacter_, &QPushButton::clicked, this, &AutoLoginDialog::deleteCharacter);
    Settings& settings = parts_.preferences.settings;
    connect(atStartup_, &QCheckBox::clicked, this, [&settings](bool checked) {
        settings.setNumber(setting::displayLoginAtStartup, checked ? 1 : 0);
    });
    connect(atDisconnect_, &QCheckBox::clicked, this, [&settings](bool checked) {
        settings.setNumber(setting::displayLoginAtDisconnect, checked ? 1 : 0);
    });
}

// Used slots are contiguous from 0, so a list row is its record's slot.
void AutoLoginDialog::fillList() {
    const QSignalBlocker blocker(characters_);
    characters_->clear();
    const StoredCharacters& stored = parts_.preferences.characters;
    for (int slot = 0; stored.isUsed(slot); ++slot) {
        characters_->addItem(toQString(stored[slot].name));
    }
}

void AutoLoginDialog::updateListLine(int slot) {
    if (QListWidgetItem* item = characters_->item(slot)) {
        item->setText(toQString(parts_.preferences.characters[slot].name));
    }
}

int AutoLoginDialog::selectedSlot() const {
    return characters_->currentRow();
}

void AutoLoginDialog::selectSlot(int slot) {
    characters_->setCurrentRow(slot < characters_->count() ? slot : -1);
    editor_->load(selectedSlot());
    updateEnabling();
}

void AutoLoginDialog::refresh() {
    updateEnabling();
}

void AutoLoginDialog::updateEnabling() {
    const bool selected = selectedSlot() >= 0;
    const bool loggedIn = parts_.autoLogin.loggedIn();
    characters_->setEnabled(characters_->count() > 0);
    copyCharacter_->setEnabled(selected);
    deleteCharacter_->setEnabled(selected);
    connect_->setEnabled(selected && !loggedIn);
    quit_->setEnabled(!loggedIn);
}

void AutoLoginDialog::editProfiles(int profileIndex) {
    if (hooks_.editProfiles) {
        hooks_.editProfiles(profileIndex);
    }
    editor_->refillProfiles();
}

} // namespace vesk
