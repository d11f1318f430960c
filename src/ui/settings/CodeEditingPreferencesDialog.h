#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace vesk {

class FileTransfer;
class Preferences;

// "Vesk Code Editing Preferences" (Coding > Preferences): the editor program of the online
// code editor, and which remote file the working copy belongs to.
class CodeEditingPreferencesDialog : public QDialog {
    Q_OBJECT

public:
    CodeEditingPreferencesDialog(Preferences& preferences, const FileTransfer& transfer,
                                 QWidget* parent = nullptr);

    // Modal; true after OK, when the caller saves the preferences.
    bool run();

    void load(const Preferences& preferences);
    void save(Preferences& preferences) const;
    void accept() override;

    QLineEdit* editorEdit() const { return editor_; }
    QLabel* currentlyEditingLabel() const { return currentlyEditing_; }

private:
    Preferences& preferences_;
    QLineEdit* editor_ = nullptr;
    QLabel* currentlyEditing_ = nullptr;
};

} // namespace vesk
