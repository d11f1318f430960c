#pragma once

#include "social/FriendsLists.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string_view>

class QListWidget;
class QPushButton;

namespace vesk {

class Preferences;

// The "Friends Lists" dialog: named lists on the left, the selected list's members on the
// right. It edits a copy; closing it (OK, or the window's close box, since there is no
// Cancel) keeps the changes in the preferences, which the main window saves later.
class FriendsListsDialog : public QDialog {
    Q_OBJECT
public:
    // The entry dialogs and the error box, replaceable so a test can answer them.
    using AskName = std::function<std::optional<QString>(const QString& title, const QString& text,
                                                         int maxLength)>;
    using ShowError = std::function<void(const QString& caption, const QString& text)>;

    static constexpr int listNameLength = 30;
    static constexpr int friendNameLength = 31;

    FriendsListsDialog(Preferences& preferences, QWidget* parent = nullptr);

    // Opens the dialog modally and keeps what was edited.
    static void run(Preferences& preferences, QWidget* parent);

    void setAskName(AskName askName) { askName_ = std::move(askName); }
    void setShowError(ShowError showError) { showError_ = std::move(showError); }
    const FriendsLists& edited() const { return edited_; }

    // The controls' actions, one each.
    void newList();
    void deleteList();
    void renameList();
    void addFriend();
    void removeFriend();
    void editFriend();

    void done(int result) override;

private:
    QWidget* buildListsBox();
    QWidget* buildFriendsBox();
    void fillLists(int selected);
    void fillMembers(int selected);
    int selectedList() const;
    int selectedMember() const;
    bool requireList();
    std::optional<std::string> askFor(const QString& title, std::string_view stored, int maxLength);

    Preferences& preferences_;
    FriendsLists edited_;
    AskName askName_;
    ShowError showError_;
    QListWidget* lists_ = nullptr;
    QListWidget* members_ = nullptr;
};

} // namespace vesk
