#include "settings/StatusPage.h"

#include "preferences/Preferences.h"
#include "settings/PageControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vesk {
namespace {} // namespace

StatusPage::StatusPage(QWidget* parent) : OptionsPage(parent) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(createTypeGroup(), 0, 0);
    grid->addWidget(createFixedLocationGroup(), 0, 1);
    grid->addWidget(createSizeGroup(), 1, 0);
    grid->addWidget(createBodyTypeGroup(), 1, 1);
    grid->addWidget(createDisplayGroup(), 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    // Only the docked window has a side; a floating one is placed where it is dragged.
    connect(fixed_, &QRadioButton::toggled, fixedGroup_, &QWidget::setEnabled);
}

QWidget* StatusPage::createTypeGroup() {
    return createChoice(tr("Type"), fixed_, tr("Fixed location"), moveable_, tr("Moveable"), this);
}

QWidget* StatusPage::createFixedLocationGroup() {
    fixedGroup_ = new QGroupBox(tr("Fixed Location Options"), this);
    auto* layout = new QVBoxLayout(fixedGroup_);
    left_ = new QRadioButton(tr("Left"), fixedGroup_);
    right_ = new QRadioButton(tr("Right"), fixedGroup_);
    layout->addWidget(new QLabel(tr("Location"), fixedGroup_));
    for (QRadioButton* button : {left_, right_}) {
        button->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(button);
    }
    layout->addStretch();
    return fixedGroup_;
}

QWidget* StatusPage::createSizeGroup() {
    return createChoice(tr("Size"), narrow_, tr("Narrow"), wide_, tr("Wide"), this);
}

QWidget* StatusPage::createBodyTypeGroup() {
    return createChoice(tr("Body Type"), damage_, tr("Damage"), armour_, tr("Armour"), this);
}

QWidget* StatusPage::createDisplayGroup() {
    auto* group = new QGroupBox(tr("Display"), this);
    auto* layout = new QVBoxLayout(group);
    lagMeter_ = new QCheckBox(tr("Show Lag-o-meter"), group);
    mainFont_ = new QCheckBox(tr("Use font from Main Window"), group);
    smallBars_ = new QCheckBox(tr("Small Health Meters"), group);
    partyFirst_ = new QCheckBox(tr("Display Party Members above Enemies"), group);
    for (QWidget* box : {lagMeter_, mainFont_, smallBars_, partyFirst_}) {
        layout->addWidget(box);
    }
    return group;
}

void StatusPage::load(const Preferences& preferences) {
    const Settings& settings = preferences.settings;
    (settings.isOn(setting::statusFixedLocation) ? left_ : right_)->setChecked(true);
    (settings.isOn(setting::statusNarrow) ? narrow_ : wide_)->setChecked(true);
    (settings.isOn(setting::statusMoveable) ? moveable_ : fixed_)->setChecked(true);
    (settings.isOn(setting::bodyType) ? armour_ : damage_)->setChecked(true);
    fixedGroup_->setEnabled(fixed_->isChecked());
    loadFlag(*lagMeter_, settings, setting::lagMeter);
    loadFlag(*mainFont_, settings, setting::useMainWindowFont);
    loadFlag(*smallBars_, settings, setting::smallBars);
    loadFlag(*partyFirst_, settings, setting::partyMobs);
}

void StatusPage::save(Preferences& preferences) {
    Settings& settings = preferences.settings;
    saveFlag(*left_, settings, setting::statusFixedLocation);
    saveFlag(*narrow_, settings, setting::statusNarrow);
    // Moveable is 1 whenever "Fixed location" is not chosen.
    settings.setNumber(setting::statusMoveable, fixed_->isChecked() ? 0 : 1);
    saveFlag(*lagMeter_, settings, setting::lagMeter);
    saveFlag(*mainFont_, settings, setting::useMainWindowFont);
    saveFlag(*smallBars_, settings, setting::smallBars);
    saveFlag(*partyFirst_, settings, setting::partyMobs);
    // A different body type flips BodyType, as the view's own toggle does; any other value
    // found in the file is left alone when the choice did not change.
    if (armour_->isChecked() != settings.isOn(setting::bodyType)) {
        settings.setNumber(setting::bodyType, settings.isOn(setting::bodyType) ? 0 : 1);
    }
}

} // namespace vesk
