#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;

namespace vesk {

class Preferences;

// The "'Who' Options": which columns the who-list window shows. OK stores the choices,
// Cancel leaves the settings as they were.
class WhoOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit WhoOptionsDialog(QWidget* parent = nullptr);

    void load(const Preferences& preferences);
    void save(Preferences& preferences) const;

    // "Edit Friends Lists" does nothing unless the main window gives it something to do.
    void setEditFriendsLists(std::function<void()> editFriendsLists) {
        editFriendsLists_ = std::move(editFriendsLists);
    }

    // Opens the dialog modally; true when OK stored the choices (the who-list window should
    // then be refreshed).
    static bool run(Preferences& preferences, QWidget* parent,
                    std::function<void()> editFriendsLists = {});

private:
    QCheckBox* level_ = nullptr;
    QCheckBox* name_ = nullptr;
    QCheckBox* race_ = nullptr;
    QCheckBox* class_ = nullptr;
    std::function<void()> editFriendsLists_;
};

} // namespace vesk
