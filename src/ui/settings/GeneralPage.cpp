#include "settings/GeneralPage.h"

#include "common/TextBoundary.h"
#include "preferences/Preferences.h"
#include "settings/PageControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vesk {
namespace {
QCheckBox* addSwitch(QVBoxLayout& layout, const QString& text, const QString& note) {
    auto* box = new QCheckBox(text);
    layout.addWidget(box);
    if (!note.isEmpty()) {
        QLabel* label = createNote(note, nullptr);
        label->setContentsMargins(24, 0, 0, 6);
        layout.addWidget(label);
    }
    return box;
}

} // namespace

GeneralPage::GeneralPage(QWidget* parent) : OptionsPage(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createWidthGroup());
    layout->addWidget(createSwitchesGroup());
    layout->addWidget(createEncodingGroup());
    layout->addStretch();
}

QWidget* GeneralPage::createWidthGroup() {
    auto* group = new QGroupBox(tr("Main Window"), this);
    auto* row = new QHBoxLayout(group);
    widthEdit_ = new QLineEdit(group);
    const SettingLimits& limits = SettingsTable::limits(setting::numCharactersWidth);
    widthEdit_->setMaxLength(limits.width);
    widthEdit_->setMaximumWidth(60);
    widthEdit_->setAlignment(Qt::AlignRight);
    // Only a width the client takes can be typed, so none is dropped without a word.
    widthEdit_->setValidator(new QIntValidator(limits.minimum, limits.maximum, widthEdit_));
    auto* label = new QLabel(tr("Window width:"), group);
    label->setBuddy(widthEdit_);
    row->addWidget(label);
    row->addWidget(widthEdit_);
    row->addWidget(new QLabel(tr("characters (0: as wide as the window)"), group));
    row->addStretch();
    return group;
}

QWidget* GeneralPage::createSwitchesGroup() {
    auto* group = new QGroupBox(tr("Options"), this);
    auto* layout = new QVBoxLayout(group);
    loginDohickey_ = addSwitch(*layout, tr("Use Login Do-hickey"),
                               tr("Pop up a window to hide your Password entry when logging in? "
                                  "NOTE: Disabled when using the Autologin window."));
    clearEditField_ = addSwitch(
        *layout, tr("Clear Edit Field after [ENTER]"),
        tr("When Unchecked, text in the Edit Field will be selected for over-writing, but not "
           "cleared, when you press [ENTER]"));
    commandEcho_ = addSwitch(*layout, tr("Command Echo"),
                             tr("Echo any commands that you send to the MUD in the main view "
                                "window?"));
    playSounds_ = addSwitch(*layout, tr("Play Sounds"), tr("Play sounds embedded in Triggers?"));
    joinOnSend_ = addSwitch(
        *layout, tr("Sending a command ends the split view"),
        tr("While you read back, the newest text shows below a divider; sending a command "
           "brings the whole window back to the end."));
    announceOwnCommands_ =
        addSwitch(*layout, tr("Screen reader reads my own commands"),
                  tr("When unchecked, a screen reader is told only of the text the MUD sends."));
    return group;
}

QWidget* GeneralPage::createEncodingGroup() {
    auto* group = new QGroupBox(tr("Typed Text"), this);
    auto* layout = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    typedTextEncoding_ = new QComboBox(group);
    typedTextEncoding_->addItems({tr("Automatic"), tr("UTF-8"), tr("Latin-1")});
    auto* label = new QLabel(tr("Send typed text as:"), group);
    label->setBuddy(typedTextEncoding_);
    row->addWidget(label);
    row->addWidget(typedTextEncoding_);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(createNote(tr("Automatic sends UTF-8 until the server sends text that is "
                                    "not UTF-8, then Latin-1 for the rest of the connection."),
                                 group));
    return group;
}

void GeneralPage::load(const Preferences& preferences) {
    const Settings& settings = preferences.settings;
    widthEdit_->setText(QString::number(settings.number(setting::numCharactersWidth)));
    loadFlag(*loginDohickey_, settings, setting::usePasswordDohickey);
    loadFlag(*clearEditField_, settings, setting::clearEditField);
    loadFlag(*commandEcho_, settings, setting::cmdEcho);
    loadFlag(*playSounds_, settings, setting::soundsEnabled);
    loadFlag(*joinOnSend_, settings, setting::splitJoinOnSend);
    loadFlag(*announceOwnCommands_, settings, setting::announceOwnCommands);
    const int encoding = settings.number(setting::typedTextEncoding);
    typedTextEncoding_->setCurrentIndex(
        encoding >= 0 && encoding < typedTextEncoding_->count() ? encoding : 0);
}

void GeneralPage::save(Preferences& preferences) {
    Settings& settings = preferences.settings;
    saveFlag(*loginDohickey_, settings, setting::usePasswordDohickey);
    saveFlag(*clearEditField_, settings, setting::clearEditField);
    saveFlag(*commandEcho_, settings, setting::cmdEcho);
    saveFlag(*playSounds_, settings, setting::soundsEnabled);
    saveFlag(*joinOnSend_, settings, setting::splitJoinOnSend);
    saveFlag(*announceOwnCommands_, settings, setting::announceOwnCommands);
    settings.setNumber(setting::typedTextEncoding, typedTextEncoding_->currentIndex());
    // A width out of its limits, or text that is no number, leaves the width as it was.
    if (const auto width = SettingsTable::numberFromText(setting::numCharactersWidth,
                                                         toBytes(widthEdit_->text()))) {
        settings.setNumber(setting::numCharactersWidth, *width);
    }
}

} // namespace vesk
