#include "settings/GeneralPage.h"

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

#include <optional>

namespace vesk {
namespace {
// The width text is read as at most this many characters.
constexpr int widthTextLimit = 15;
constexpr int widthLimit = 1000;

// The width the text asks for, when it is a whole number in 0..999. Text that is no number
// at all is ignored like an out-of-range one instead of becoming a width of 0.
std::optional<int> widthFromText(const QString& text) {
    bool isNumber = false;
    const int width = text.trimmed().left(widthTextLimit).toInt(&isNumber);
    if (!isNumber || width < 0 || width >= widthLimit) {
        return std::nullopt;
    }
    return width;
}

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
    widthEdit_->setMaxLength(widthTextLimit);
    widthEdit_->setMaximumWidth(60);
    widthEdit_->setAlignment(Qt::AlignRight);
    // Only a width the client takes can be typed, so none is dropped without a word.
    widthEdit_->setValidator(new QIntValidator(0, widthLimit - 1, widthEdit_));
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
    settings.setNumber(setting::typedTextEncoding, typedTextEncoding_->currentIndex());
    if (const auto width = widthFromText(widthEdit_->text())) {
        settings.setNumber(setting::numCharactersWidth, *width);
    }
}

} // namespace vesk
