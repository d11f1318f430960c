#pragma once

#include "common/TextBoundary.h"
#include "profiles/ProfileEditing.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace vesk {

class Preferences;
class MacrosPage;
class Preferences;
class TriggersPage;

// "Profiles": the player's profiles with their macros and triggers. Everything is edited on a
// copy (the profile list and the characters' profile indices); OK hands the copy back, points
// the trigger matcher at the edited triggers and asks for the settings to be saved, Cancel
// drops it. Only "Enable Triggers" on the Triggers tab acts at once.
class ProfilesDialog : public QDialog {
    Q_OBJECT
public:
    // `initialIndex` is the profile chosen first (0 when out of range).
    // `soundFolder` is where the sound browse of the triggers starts.
    ProfilesDialog(Preferences& preferences, const QString& soundFolder, int initialIndex,
                   QWidget* parent = nullptr);

    // Takes a fresh copy of the profiles and the auto-create setting.
    void load(const Preferences& preferences);
    // Hands the edited copy and the auto-create setting back.
    void save(Preferences& preferences) const;

    void accept() override;

    int selectedIndex() const;
    void selectIndex(int index);
    const ProfileEditing& editing() const { return *editing_; }

    QListWidget* profileList() const { return list_; }
    QLabel* nameLabel() const { return nameLabel_; }
    QLineEdit* nameField() const { return nameField_; }
    QPushButton* insertCopyButton() const { return insertCopy_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* newProfileButton() const { return newProfile_; }
    QCheckBox* autoCreateBox() const { return autoCreate_; }
    QTabWidget* tabs() const { return tabs_; }
    MacrosPage* macrosPage() const { return macros_; }
    TriggersPage* triggersPage() const { return triggers_; }

signals:
    // OK was pressed and the edits are live: every settings file should be written now.
    void saveRequested();

private:
    QLayout* buildProfileColumn();
    void connectControls();
    void fillList(int selection);
    void showSelected();
    void renameSelected(const QString& text);
    void insertCopy();
    void deleteSelected();
    void appendNewProfile();

    Preferences& preferences_;
    std::optional<ProfileEditing> editing_;
    QListWidget* list_;
    QLabel* nameLabel_;
    QLineEdit* nameField_;
    // The chosen profile's name as stored: kept byte for byte until the player changes it.
    KeptText loadedName_;
    QPushButton* insertCopy_;
    QPushButton* delete_;
    QPushButton* newProfile_;
    QCheckBox* autoCreate_;
    QTabWidget* tabs_;
    MacrosPage* macros_;
    TriggersPage* triggers_;
};

} // namespace vesk
