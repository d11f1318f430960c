#pragma once

#include <QDialog>

#include <functional>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vesk {

class Preferences;

// "Select Active Profile": chooses the profile for this login only. The choice is never
// written to a file; OK still asks for a save, as every confirmed dialog does.
class SelectActiveProfileDialog : public QDialog {
    Q_OBJECT
public:
    // Opens the Profiles dialog (modal) on the given profile index and returns when it closed.
    using EditProfilesHook = std::function<void(int index)>;
    // Opens the automatic-login dialog (modal) and returns when it closed.
    using AutoLoginHook = std::function<void()>;

    SelectActiveProfileDialog(Preferences& preferences, QWidget* parent = nullptr);

    void setEditProfilesHook(EditProfilesHook hook) { editProfiles_ = std::move(hook); }
    void setAutoLoginHook(AutoLoginHook hook) { autoLogin_ = std::move(hook); }

    // Fills the list with every profile name and selects the active profile, clamped.
    void refill();
    void accept() override;

    QListWidget* profileList() const { return list_; }
    QPushButton* editProfilesButton() const { return editProfilesButton_; }
    QPushButton* autoLoginButton() const { return autoLoginButton_; }

signals:
    // OK was pressed: the settings files should be written now.
    void saveRequested();

private:
    QLayout* buildSideColumn();
    int selectedIndex() const;

    Preferences& preferences_;
    EditProfilesHook editProfiles_;
    AutoLoginHook autoLogin_;
    QListWidget* list_;
    QPushButton* editProfilesButton_;
    QPushButton* autoLoginButton_;
};

} // namespace vesk
