#include "settings/LoggingPage.h"

#include "preferences/Preferences.h"
#include "settings/PageControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vesk {
namespace {

// The parts of an automatic log name, in the order of LogAutoNameOpt's three values.
enum NamePart { characterPart = 0, datePart = 1, timePart = 2 };
constexpr int indent = 24;

} // namespace

LoggingPage::LoggingPage(Settings& live, QWidget* parent) : OptionsPage(parent), live_(live) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createWhatGroup());
    layout->addWidget(createWhenGroup());
    layout->addWidget(createFileGroup());
    layout->addStretch();
    connectImmediateChoices();
}

QWidget* LoggingPage::createWhatGroup() {
    auto* group = new QGroupBox(tr("What to Log"), this);
    auto* layout = new QVBoxLayout(group);
    everything_ = new QRadioButton(tr("Log Everything"), group);
    selective_ = new QRadioButton(tr("Selective Log:"), group);
    selectiveBoxes_ = new QWidget(group);
    auto* grid = new QGridLayout(selectiveBoxes_);
    grid->setContentsMargins(indent, 0, 0, 0);
    tells_ = new QCheckBox(tr("Log Tells"), selectiveBoxes_);
    says_ = new QCheckBox(tr("Log Says"), selectiveBoxes_);
    channels_ = new QCheckBox(tr("Channels"), selectiveBoxes_);
    shouts_ = new QCheckBox(tr("Shouts"), selectiveBoxes_);
    everythingElse_ = new QCheckBox(tr("Everything Else"), selectiveBoxes_);
    grid->addWidget(tells_, 0, 0);
    grid->addWidget(says_, 1, 0);
    grid->addWidget(channels_, 2, 0);
    grid->addWidget(shouts_, 0, 1);
    grid->addWidget(everythingElse_, 1, 1);
    layout->addWidget(everything_);
    layout->addWidget(selective_);
    layout->addWidget(selectiveBoxes_);
    connect(selective_, &QRadioButton::toggled, this, &LoggingPage::updateEnabling);
    return group;
}

QWidget* LoggingPage::createWhenGroup() {
    auto* group = new QGroupBox(tr("Starting the Log"), this);
    auto* layout = new QVBoxLayout(group);
    prepend_ = new QCheckBox(tr("When starting, prepend existing window text"), group);
    onByDefault_ = new QCheckBox(tr("Logging 'On' by default"), group);
    layout->addWidget(prepend_);
    layout->addWidget(onByDefault_);
    return group;
}

QWidget* LoggingPage::createFileGroup() {
    auto* group = new QGroupBox(tr("Log File"), this);
    auto* grid = new QGridLayout(group);
    useFile_ = new QRadioButton(tr("Use file:"), group);
    autoName_ = new QRadioButton(tr("Auto-name, based on:"), group);
    // Two exclusive choices inside one group box that also holds check boxes.
    auto* choice = new QButtonGroup(group);
    choice->addButton(useFile_);
    choice->addButton(autoName_);
    file_ = new QLineEdit(group);
    file_->setMaxLength(SettingsTable::limits(setting::logFile).width);
    characterName_ = new QCheckBox(tr("Character Name"), group);
    date_ = new QCheckBox(tr("Date"), group);
    time_ = new QCheckBox(tr("Time"), group);
    auto* parts = new QHBoxLayout;
    for (QCheckBox* box : {characterName_, date_, time_}) {
        parts->addWidget(box);
    }
    parts->addStretch();
    grid->addWidget(useFile_, 0, 0);
    grid->addWidget(file_, 0, 1);
    grid->addWidget(autoName_, 1, 0);
    grid->addLayout(parts, 1, 1);
    grid->setColumnStretch(1, 1);
    connect(autoName_, &QRadioButton::toggled, this, &LoggingPage::updateEnabling);
    return group;
}

void LoggingPage::connectImmediateChoices() {
    connect(autoName_, &QRadioButton::toggled, this, [this](bool on) {
        if (!loading_) {
            live_.setNumber(setting::logAutoName, on ? 1 : 0);
        }
    });
    const std::pair<QCheckBox*, NamePart> parts[] = {
        {characterName_, characterPart}, {date_, datePart}, {time_, timePart}};
    for (const auto& [box, part] : parts) {
        connect(box, &QCheckBox::toggled, this, [this, part = part](bool on) {
            if (!loading_) {
                live_.setNumber(setting::logAutoNameOpt, on ? 1 : 0, part);
            }
        });
    }
}

void LoggingPage::updateEnabling() {
    selectiveBoxes_->setEnabled(selective_->isChecked());
    const bool automatic = autoName_->isChecked();
    file_->setEnabled(!automatic);
    for (QCheckBox* box : {characterName_, date_, time_}) {
        box->setEnabled(automatic);
    }
}

void LoggingPage::load(const Preferences& preferences) {
    const Settings& settings = preferences.settings;
    loading_ = true;
    // "Log Everything" stands for any value but 0, as the log itself reads it.
    (settings.number(setting::logEverything) != 0 ? everything_ : selective_)->setChecked(true);
    loadFlag(*tells_, settings, setting::logTells);
    loadFlag(*says_, settings, setting::logSays);
    loadFlag(*channels_, settings, setting::logChannels);
    loadFlag(*shouts_, settings, setting::logShouts);
    loadFlag(*everythingElse_, settings, setting::logEverythingElse);
    loadFlag(*prepend_, settings, setting::logPrepend);
    loadFlag(*onByDefault_, settings, setting::logDefault);
    (settings.isOn(setting::logAutoName) ? autoName_ : useFile_)->setChecked(true);
    loadText(*file_, settings, setting::logFile);
    loadFlag(*characterName_, settings, setting::logAutoNameOpt, characterPart);
    loadFlag(*date_, settings, setting::logAutoNameOpt, datePart);
    loadFlag(*time_, settings, setting::logAutoNameOpt, timePart);
    updateEnabling();
    loading_ = false;
}

void LoggingPage::save(Preferences& preferences) {
    Settings& settings = preferences.settings;
    saveFlag(*everything_, settings, setting::logEverything);
    saveFlag(*tells_, settings, setting::logTells);
    saveFlag(*says_, settings, setting::logSays);
    saveFlag(*channels_, settings, setting::logChannels);
    saveFlag(*shouts_, settings, setting::logShouts);
    saveFlag(*everythingElse_, settings, setting::logEverythingElse);
    saveFlag(*prepend_, settings, setting::logPrepend);
    saveFlag(*onByDefault_, settings, setting::logDefault);
    saveFlag(*autoName_, settings, setting::logAutoName);
    saveText(*file_, settings, setting::logFile);
    saveFlag(*characterName_, settings, setting::logAutoNameOpt, characterPart);
    saveFlag(*date_, settings, setting::logAutoNameOpt, datePart);
    saveFlag(*time_, settings, setting::logAutoNameOpt, timePart);
}

} // namespace vesk
