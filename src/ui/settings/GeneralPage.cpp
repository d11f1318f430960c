#include "settings/GeneralPage.h"

#include "common/TextBoundary.h"
#include "preferences/Preferences.h"
#include "settings/PageControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
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
        // The indent and the gap below take room from the text: the height it needs is asked
        // again with them, or the note's lines are cut at the top and bottom.
        const int width = label->minimumWidth() + 24;
        label->setMinimumWidth(width);
        label->setMinimumHeight(label->heightForWidth(width));
        layout.addWidget(label);
    }
    return box;
}

// A number edit that takes only what the setting's limits allow, so no typed value is dropped
// without a word.
QLineEdit* numberEdit(SettingKey key, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    const SettingLimits& limits = SettingsTable::limits(key);
    edit->setMaxLength(limits.width);
    edit->setMaximumWidth(90);
    edit->setAlignment(Qt::AlignRight);
    edit->setValidator(new QIntValidator(limits.minimum, limits.maximum, edit));
    return edit;
}

// One row of the group's grid: the name, the edit and its unit, the edits lined up.
void addNumberRow(QGridLayout& grid, const QString& label, QLineEdit* edit, const QString& unit) {
    const int row = grid.rowCount();
    auto* name = new QLabel(label);
    name->setBuddy(edit);
    grid.addWidget(name, row, 0);
    grid.addWidget(edit, row, 1);
    grid.addWidget(new QLabel(unit), row, 2);
}

} // namespace

GeneralPage::GeneralPage(QWidget* parent) : OptionsPage(parent) {
    // Two columns, so the page stays short enough for a laptop's screen: the main window and
    // the classic switches on the left, what helps a long session and the typed text's
    // encoding on the right.
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addWidget(createWidthGroup());
    left->addWidget(createSwitchesGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(createSessionGroup());
    right->addWidget(createEncodingGroup());
    right->addStretch();
    layout->addLayout(left);
    layout->addLayout(right);
}

QWidget* GeneralPage::createWidthGroup() {
    auto* group = new QGroupBox(tr("Main Window"), this);
    auto* layout = new QVBoxLayout(group);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(3, 1);
    widthEdit_ = numberEdit(setting::numCharactersWidth, group);
    addNumberRow(*grid, tr("Window width:"), widthEdit_,
                 tr("characters (0: as wide as the window)"));
    scrollbackEdit_ = numberEdit(setting::scrollbackLines, group);
    addNumberRow(*grid, tr("Scroll-back:"), scrollbackEdit_, tr("lines"));
    layout->addLayout(grid);
    layout->addWidget(createNote(tr("The oldest lines are let go beyond this many, so a flood "
                                    "cannot fill the computer's memory."),
                                 group));
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
    return group;
}

QWidget* GeneralPage::createSessionGroup() {
    auto* group = new QGroupBox(tr("During a Session"), this);
    auto* layout = new QVBoxLayout(group);
    autoReconnect_ = addSwitch(*layout, tr("Reconnect by itself"),
                               tr("Try the server again, with growing waits for up to ten "
                                  "minutes, when a game connection is lost."));
    gatherChat_ = addSwitch(*layout, tr("Gather conversation in the Chat Pane"),
                            tr("While the Chat Pane is open, copy what other players tell you, "
                               "say, shout and send on channels into it as well."));
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
    scrollbackEdit_->setText(QString::number(settings.number(setting::scrollbackLines)));
    loadFlag(*loginDohickey_, settings, setting::usePasswordDohickey);
    loadFlag(*clearEditField_, settings, setting::clearEditField);
    loadFlag(*commandEcho_, settings, setting::cmdEcho);
    loadFlag(*playSounds_, settings, setting::soundsEnabled);
    loadFlag(*autoReconnect_, settings, setting::autoReconnect);
    loadFlag(*gatherChat_, settings, setting::gatherChat);
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
    saveFlag(*autoReconnect_, settings, setting::autoReconnect);
    saveFlag(*gatherChat_, settings, setting::gatherChat);
    saveFlag(*joinOnSend_, settings, setting::splitJoinOnSend);
    saveFlag(*announceOwnCommands_, settings, setting::announceOwnCommands);
    settings.setNumber(setting::typedTextEncoding, typedTextEncoding_->currentIndex());
    // A width out of its limits, or text that is no number, leaves the width as it was.
    if (const auto width = SettingsTable::numberFromText(setting::numCharactersWidth,
                                                         toBytes(widthEdit_->text()))) {
        settings.setNumber(setting::numCharactersWidth, *width);
    }
    if (const auto lines = SettingsTable::numberFromText(setting::scrollbackLines,
                                                         toBytes(scrollbackEdit_->text()))) {
        settings.setNumber(setting::scrollbackLines, *lines);
    }
}

} // namespace vesk
