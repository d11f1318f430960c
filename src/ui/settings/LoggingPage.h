#pragma once

#include "settings/OptionsPage.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace vesk {

class Settings;

// "Logging": what the session log records and where. The choice between the fixed file and
// an automatic name, and the name's character and date parts, take effect the moment they are
// clicked (the log may be running and names its next file by them); everything else waits
// for OK.
class LoggingPage : public OptionsPage {
    Q_OBJECT

public:
    // live: the settings the session log reads, changed at once by the naming choices.
    explicit LoggingPage(Settings& live, QWidget* parent = nullptr);

    void load(const Preferences& preferences) override;
    void save(Preferences& preferences) override;

    QRadioButton* selectiveButton() const { return selective_; }
    QCheckBox* tellsBox() const { return tells_; }
    QCheckBox* saysBox() const { return says_; }
    QCheckBox* channelsBox() const { return channels_; }
    QCheckBox* shoutsBox() const { return shouts_; }
    QCheckBox* everythingElseBox() const { return everythingElse_; }
    QRadioButton* useFileButton() const { return useFile_; }
    QRadioButton* autoNameButton() const { return autoName_; }
    QLineEdit* fileEdit() const { return file_; }
    QCheckBox* characterNameBox() const { return characterName_; }
    QCheckBox* dateBox() const { return date_; }

private:
    QWidget* createWhatGroup();
    QWidget* createWhenGroup();
    QWidget* createFileGroup();
    void connectImmediateChoices();
    void updateEnabling();

    Settings& live_;
    bool loading_ = false;
    QRadioButton* everything_ = nullptr;
    QRadioButton* selective_ = nullptr;
    QWidget* selectiveBoxes_ = nullptr;
    QCheckBox* tells_ = nullptr;
    QCheckBox* says_ = nullptr;
    QCheckBox* channels_ = nullptr;
    QCheckBox* shouts_ = nullptr;
    QCheckBox* everythingElse_ = nullptr;
    QCheckBox* prepend_ = nullptr;
    QCheckBox* onByDefault_ = nullptr;
    QRadioButton* useFile_ = nullptr;
    QRadioButton* autoName_ = nullptr;
    QLineEdit* file_ = nullptr;
    QCheckBox* characterName_ = nullptr;
    QCheckBox* date_ = nullptr;
    QCheckBox* time_ = nullptr;
};

} // namespace vesk
