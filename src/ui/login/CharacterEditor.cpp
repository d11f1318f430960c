#include "login/CharacterEditor.h"

#include "connection/TypedTextEncoding.h"
#include "login/CharacterRecordEditing.h"
#include "preferences/Preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace vesk {

CharacterEditor::CharacterEditor(Preferences& preferences, const TypedTextEncoding& encoding,
                                 QWidget* parent)
    : QWidget(parent), preferences_(preferences), encoding_(encoding) {
    buildFields();
    refillProfiles();
    load(-1);
}

void CharacterEditor::buildFields() {
    const int width = static_cast<int>(CharacterRecordEditing::fieldWidth);
    name_ = new QLineEdit(this);
    name_->setObjectName("name");
    name_->setMaxLength(width);
    password_ = new QLineEdit(this);
    password_->setObjectName("password");
    password_->setMaxLength(width);
    password_->setEchoMode(QLineEdit::Password);
    profile_ = new QComboBox(this);
    profile_->setObjectName("profile");
    profile_->setMinimumContentsLength(14);
    // A character that has never logged in has no profile yet; the first login finds or makes
    // the profile of its name, so the empty choice says that instead of looking broken.
    profile_->setPlaceholderText(tr("Its own, made at first login"));
    editProfiles_ = new QPushButton(tr("Edit Profiles"), this);
    isDefault_ = new QCheckBox(tr("Default Selected Character"), this);

    auto* profileRow = new QHBoxLayout;
    profileRow->addWidget(profile_, 1);
    profileRow->addWidget(editProfiles_);
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    nameLabel_ = new QLabel(tr("Name:"), this);
    passwordLabel_ = new QLabel(tr("Password:"), this);
    profileLabel_ = new QLabel(tr("Profile:"), this);
    nameLabel_->setBuddy(name_);
    passwordLabel_->setBuddy(password_);
    profileLabel_->setBuddy(profile_);
    form->addRow(nameLabel_, name_);
    form->addRow(passwordLabel_, password_);
    form->addRow(profileLabel_, profileRow);
    form->addRow(QString(), isDefault_);

    connect(name_, &QLineEdit::textEdited, this, &CharacterEditor::storeName);
    connect(name_, &QLineEdit::editingFinished, this, &CharacterEditor::restoreNameIfEmpty);
    connect(password_, &QLineEdit::textEdited, this, &CharacterEditor::storePassword);
    connect(profile_, &QComboBox::activated, this, &CharacterEditor::storeProfile);
    connect(isDefault_, &QCheckBox::clicked, this, &CharacterEditor::storeDefault);
    connect(editProfiles_, &QPushButton::clicked, this,
            [this] { emit editProfilesRequested(profile_->currentIndex()); });
}

void CharacterEditor::refillProfiles() {
    const QSignalBlocker blocker(profile_);
    profile_->clear();
    for (const auto& profile : preferences_.profiles.profiles()) {
        profile_->addItem(toQString(profile.name()));
    }
    load(slot_);
}

void CharacterEditor::load(int slot) {
    slot_ = preferences_.characters.isUsed(slot) ? slot : -1;
    const QSignalBlocker nameBlocker(name_);
    const QSignalBlocker passwordBlocker(password_);
    const QSignalBlocker profileBlocker(profile_);
    const QSignalBlocker defaultBlocker(isDefault_);
    if (slot_ < 0) {
        name_->clear();
        password_->clear();
        profile_->setCurrentIndex(-1);
        isDefault_->setChecked(false);
        setFieldsEnabled(false);
        return;
    }
    const CharacterRecord& record = preferences_.characters[slot_];
    loadedName_ = KeptText(record.name);
    loadedPassword_ = KeptText(record.password);
    name_->setText(loadedName_.text());
    password_->setText(loadedPassword_.text());
    // -1 (not yet assigned) and an index past the list both show no profile.
    const int profile = record.profile < profile_->count() ? record.profile : -1;
    profile_->setCurrentIndex(profile);
    isDefault_->setChecked(record.isDefault == 1);
    setFieldsEnabled(true);
}

void CharacterEditor::setFieldsEnabled(bool enabled) {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             nameLabel_, name_, passwordLabel_, password_, profileLabel_, profile_, isDefault_}) {
        widget->setEnabled(enabled);
    }
}

void CharacterEditor::storeName(const QString& text) {
    if (slot_ >= 0 &&
        CharacterRecordEditing::setName(preferences_.characters[slot_],
                                        loadedName_.bytesFor(text, encoding_.encoding()))) {
        emit nameChanged(slot_);
    }
}

void CharacterEditor::restoreNameIfEmpty() {
    if (slot_ >= 0 && name_->text().isEmpty()) {
        name_->setText(toQString(preferences_.characters[slot_].name));
    }
}

void CharacterEditor::storePassword(const QString& text) {
    if (slot_ >= 0) {
        CharacterRecordEditing::setPassword(preferences_.characters[slot_],
                                            loadedPassword_.bytesFor(text, encoding_.encoding()));
    }
}

void CharacterEditor::storeProfile(int index) {
    if (slot_ >= 0) {
        preferences_.characters[slot_].profile = index;
    }
}

void CharacterEditor::storeDefault(bool checked) {
    if (slot_ >= 0) {
        preferences_.characters[slot_].isDefault = checked ? 1 : 0;
    }
}

} // namespace vesk
