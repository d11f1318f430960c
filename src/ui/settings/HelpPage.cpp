#include "settings/HelpPage.h"

#include "preferences/Preferences.h"
#include "settings/PageControls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vesk {

HelpPage::HelpPage(QWidget* parent) : OptionsPage(parent) {
    auto* group = new QGroupBox(tr("Help Files"), this);
    auto* groupLayout = new QVBoxLayout(group);
    editor_ = new QLineEdit(group);
    editor_->setMaxLength(SettingsTable::limits(setting::helpEditor).width);
    editor_->setMinimumWidth(360);
    auto* label = new QLabel(tr("Editor used to display FenmarchMUD help files:"), group);
    label->setBuddy(editor_);
    groupLayout->addWidget(label);
    groupLayout->addWidget(editor_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

void HelpPage::load(const Preferences& preferences) {
    loadText(*editor_, preferences.settings, setting::helpEditor);
}

void HelpPage::save(Preferences& preferences) {
    saveText(*editor_, preferences.settings, setting::helpEditor);
}

} // namespace vesk
