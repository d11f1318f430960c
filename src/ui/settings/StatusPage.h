#pragma once

#include "settings/OptionsPage.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace vesk {

// "Status": where and how the status window shows, and what its body diagram colours. The
// page only stores the choices; the main window follows them from the options result
// (switching holders, laying out, fonts).
class StatusPage : public OptionsPage {
    Q_OBJECT

public:
    explicit StatusPage(QWidget* parent = nullptr);

    void load(const Preferences& preferences) override;
    void save(Preferences& preferences) override;

    QRadioButton* leftButton() const { return left_; }
    QRadioButton* narrowButton() const { return narrow_; }
    QRadioButton* fixedButton() const { return fixed_; }
    QRadioButton* moveableButton() const { return moveable_; }
    QRadioButton* armourButton() const { return armour_; }
    QCheckBox* lagMeterBox() const { return lagMeter_; }
    QGroupBox* fixedLocationGroup() const { return fixedGroup_; }

private:
    QWidget* createTypeGroup();
    QWidget* createFixedLocationGroup();
    QWidget* createSizeGroup();
    QWidget* createBodyTypeGroup();
    QWidget* createDisplayGroup();

    QRadioButton* left_ = nullptr;
    QRadioButton* right_ = nullptr;
    QRadioButton* narrow_ = nullptr;
    QRadioButton* wide_ = nullptr;
    QRadioButton* fixed_ = nullptr;
    QRadioButton* moveable_ = nullptr;
    QRadioButton* damage_ = nullptr;
    QRadioButton* armour_ = nullptr;
    QCheckBox* lagMeter_ = nullptr;
    QCheckBox* mainFont_ = nullptr;
    QCheckBox* smallBars_ = nullptr;
    QCheckBox* partyFirst_ = nullptr;
    QGroupBox* fixedGroup_ = nullptr;
};

} // namespace vesk
