#pragma once

#include "common/TextBoundary.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vesk {

class Preferences;
class TypedTextEncoding;

// The right-hand half of the "Auto Login Thingamijig": the fields of one stored character.
// Every change goes straight into the record, as the login dialog edits the records directly.
// A field gives back the bytes it was loaded with until its text changes (a password stored by
// an older client keeps its bytes); changed text is stored as the server will be sent it.
class CharacterEditor : public QWidget {
    Q_OBJECT
public:
    CharacterEditor(Preferences& preferences, const TypedTextEncoding& encoding,
                    QWidget* parent = nullptr);

    // Shows a slot's record, or clears and disables the fields for -1.
    void load(int slot);
    int slot() const { return slot_; }
    // After the profiles were edited elsewhere: the names again, then the record.
    void refillProfiles();

signals:
    // The record's name changed; its line in the characters list needs the new text.
    void nameChanged(int slot);
    // "Edit Profiles" with the index chosen in the drop-down (-1 when none).
    void editProfilesRequested(int profileIndex);

private:
    void buildFields();
    void setFieldsEnabled(bool enabled);
    void storeName(const QString& text);
    void restoreNameIfEmpty();
    void storePassword(const QString& text);
    void storeProfile(int index);
    void storeDefault(bool checked);

    Preferences& preferences_;
    const TypedTextEncoding& encoding_;
    int slot_ = -1;
    KeptText loadedName_;
    KeptText loadedPassword_;
    QLabel* nameLabel_ = nullptr;
    QLabel* passwordLabel_ = nullptr;
    QLabel* profileLabel_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* password_ = nullptr;
    QComboBox* profile_ = nullptr;
    QPushButton* editProfiles_ = nullptr;
    QCheckBox* isDefault_ = nullptr;
};

} // namespace vesk
