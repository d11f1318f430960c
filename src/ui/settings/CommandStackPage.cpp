#include "settings/CommandStackPage.h"

#include "common/TextBoundary.h"

#include "input/CommandStacking.h"
#include "preferences/Preferences.h"
#include "settings/PageControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace vesk {
namespace {

// One visible ASCII character or nothing. A blank would be written to the settings file as
// a blank and read back as no separator, and a character outside ASCII has no single byte
// in the commands that are sent, so neither can be chosen.
QValidator* createSeparatorValidator(QObject* parent) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[!-~]?")), parent);
}

// The explanation stays readable while the separator controls are disabled.
QLabel* createExplanation(const QString& text, QWidget* parent) {
    QLabel* label = createNote(text, parent);
    label->setForegroundRole(QPalette::WindowText);
    return label;
}

} // namespace

CommandStackPage::CommandStackPage(QWidget* parent) : OptionsPage(parent) {
    auto* group = new QGroupBox(tr("Command Stacking"), this);
    auto* groupLayout = new QVBoxLayout(group);
    stacking_ = new QCheckBox(tr("Use Command Stacking"), group);
    separatorLabel_ = new QLabel(tr("Command Separator (1 character):"), group);
    separator_ = new QLineEdit(group);
    separator_->setMaxLength(SettingsTable::limits(setting::stackCharacter).width);
    separator_->setFixedWidth(separator_->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 3);
    separator_->setAlignment(Qt::AlignCenter);
    separator_->setValidator(createSeparatorValidator(separator_));
    separatorLabel_->setBuddy(separator_);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(24, 0, 0, 0);
    row->addWidget(separatorLabel_);
    row->addWidget(separator_);
    row->addStretch();
    groupLayout->addWidget(stacking_);
    groupLayout->addLayout(row);
    groupLayout->addSpacing(8);
    groupLayout->addWidget(createExplanation(
        tr("Command Stacking enables you to send multiple commands to the MUD with 1 string. "
           "These commands are separated by the Command Separator character.\n"
           "For example, if the separator is the & character,\nnorth&east&south"),
        group));
    groupLayout->addWidget(
        createExplanation(tr("would send the commands 'north', 'east', and 'south' "
                             "to the MUD.\nThis works with user input, triggers, "
                             "and macros."),
                          group));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
    connect(stacking_, &QCheckBox::toggled, this, &CommandStackPage::enableSeparator);
}

void CommandStackPage::enableSeparator(bool enabled) {
    separatorLabel_->setEnabled(enabled);
    separator_->setEnabled(enabled);
}

void CommandStackPage::load(const Preferences& preferences) {
    const Settings& settings = preferences.settings;
    stacking_->setChecked(CommandStacking::isOn(settings));
    const char separator = settings.character(setting::stackCharacter);
    separator_->setText(separator == '\0' ? QString() : toQString(std::string(1, separator)));
    enableSeparator(stacking_->isChecked());
}

void CommandStackPage::save(Preferences& preferences) {
    Settings& settings = preferences.settings;
    saveFlag(*stacking_, settings, setting::useCommandStacking);
    // The file holds one byte, the separator's Latin-1 code; a character without one would turn
    // into a '?' separator, so the old separator stays instead.
    const QString first = separator_->text().left(1);
    if (first.isEmpty() || first.front().unicode() <= 0xFF) {
        settings.setText(setting::stackCharacter, toBytes(first, Decoding::Latin1));
    }
}

} // namespace vesk
