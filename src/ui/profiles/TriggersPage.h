#pragma once

#include "common/TextBoundary.h"
#include "profiles/TriggerList.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vesk {

class Settings;

// The "Triggers" tab of the Profiles dialog: one profile's triggers as a flat list with a check
// mark for each trigger that is on, the pattern and command of the chosen one stored at every
// keystroke, and buttons to add, copy, paste and delete. It edits the dialog's copy of the
// list; only "Enable Triggers" changes the live settings at once. A field keeps the stored bytes
// until its text is changed; what the player types is stored as UTF-8.
class TriggersPage : public QWidget {
    Q_OBJECT
public:
    // Asks the player for an existing WAV file, starting in `folder` with `initialFileName`;
    // the full path, or nothing on Cancel.
    using WavChooser =
        std::function<std::optional<QString>(const QString& folder, const QString& initialName)>;

    // `settings` are the live settings: "Enable Triggers" writes triggersEnabled there, and
    // the stacking settings decide how "Browse for .WAV" joins a file to the command.
    // `soundFolder` is where the file chooser starts (the client's working folder, against
    // which relative sound names are played).
    TriggersPage(Settings& settings, QString soundFolder, QWidget* parent = nullptr);

    // Shows another profile's triggers (nothing for none), with no trigger chosen.
    void LoadTriggerList(TriggerList* triggers);
    // Replaces the platform file chooser (tests answer it themselves).
    void setWavChooser(WavChooser chooser) { chooseWav_ = std::move(chooser); }

    QTreeWidget* triggerList() const { return list_; }
    QLineEdit* triggerField() const { return triggerField_; }
    QLineEdit* commandField() const { return commandField_; }
    QCheckBox* enableTriggersBox() const { return enableTriggers_; }
    QPushButton* button(const QString& text) const;

private:
    QWidget* buildEditingControls();
    QWidget* buildHelpTexts();
    void connectControls();
    void fillList();
    QTreeWidgetItem* itemFor(const TriggerRecord& trigger) const;
    void selectIndex(int index);
    int selectedIndex() const;
    TriggerRecord* selectedTrigger();
    void showSelected();
    void updateEnabling();
    void appendAndSelect(const TriggerRecord& trigger);
    void toggleSelected();
    void storePattern(const QString& text);
    void storeCommand(const QString& text);
    void deleteSelected();
    void browseForWav();
    void setTriggersEnabled(bool on);

    Settings& settings_;
    QString soundFolder_;
    WavChooser chooseWav_;
    TriggerList* triggers_ = nullptr;
    KeptText loadedPattern_;
    KeptText loadedCommand_;
    // The page's own one-trigger clipboard; it outlives a change of profile, which is how a
    // trigger moves from one profile to another.
    std::optional<TriggerRecord> clipboard_;

    QTreeWidget* list_;
    QLineEdit* triggerField_;
    QLineEdit* commandField_;
    QPushButton* browse_;
    QPushButton* add_;
    QPushButton* insertCopy_;
    QPushButton* copy_;
    QPushButton* paste_;
    QPushButton* delete_;
    QCheckBox* enableTriggers_;
};

} // namespace vesk
