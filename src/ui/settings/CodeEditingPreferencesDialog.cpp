#include "settings/CodeEditingPreferencesDialog.h"

#include "common/TextBoundary.h"

#include "preferences/Preferences.h"
#include "remote/FileTransfer.h"
#include "settings/PageControls.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vesk {

CodeEditingPreferencesDialog::CodeEditingPreferencesDialog(Preferences& preferences,
                                                           const FileTransfer& transfer,
                                                           QWidget* parent)
    : QDialog(parent), preferences_(preferences) {
    setWindowTitle(tr("Vesk Code Editing Preferences"));
    auto* group = new QGroupBox(tr("External Editor"), this);
    auto* form = new QFormLayout(group);
    editor_ = new QLineEdit(group);
    editor_->setMaxLength(SettingsTable::limits(setting::editor).width);
    editor_->setMinimumWidth(360);
    form->addRow(tr("Editor:"), editor_);
    // The remote name comes from the server: shown as plain text, never as markup.
    currentlyEditing_ = new QLabel(toQString(transfer.currentlyEditingText()), this);
    currentlyEditing_->setTextFormat(Qt::PlainText);
    currentlyEditing_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(currentlyEditing_);
    layout->addWidget(buttons);
    load(preferences_);
}

bool CodeEditingPreferencesDialog::run() {
    return exec() == QDialog::Accepted;
}

void CodeEditingPreferencesDialog::load(const Preferences& preferences) {
    loadText(*editor_, preferences.settings, setting::editor);
}

void CodeEditingPreferencesDialog::save(Preferences& preferences) const {
    saveText(*editor_, preferences.settings, setting::editor);
}

void CodeEditingPreferencesDialog::accept() {
    save(preferences_);
    QDialog::accept();
}

} // namespace vesk
