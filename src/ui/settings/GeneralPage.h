#pragma once

#include "settings/OptionsPage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vesk {

// "General": the wrap width and the scroll-back length of the main view, the switches of the
// login, the input line, the echo, the trigger sounds, reconnecting and gathering conversation,
// and the encoding typed text goes to the server in.
class GeneralPage : public OptionsPage {
    Q_OBJECT

public:
    explicit GeneralPage(QWidget* parent = nullptr);

    void load(const Preferences& preferences) override;
    // A width outside 0..999, or text that is no number, leaves the width as it was without
    // a message: the old width keeps the view readable. So does a scroll-back length outside
    // its limits.
    void save(Preferences& preferences) override;

    QLineEdit* widthEdit() const { return widthEdit_; }
    QLineEdit* scrollbackEdit() const { return scrollbackEdit_; }
    QCheckBox* commandEchoBox() const { return commandEcho_; }
    QCheckBox* playSoundsBox() const { return playSounds_; }
    QCheckBox* autoReconnectBox() const { return autoReconnect_; }
    QCheckBox* gatherChatBox() const { return gatherChat_; }
    // "Automatic", "UTF-8", "Latin-1": the items' order is the setting's value.
    QComboBox* typedTextEncodingBox() const { return typedTextEncoding_; }

private:
    QWidget* createWidthGroup();
    QWidget* createSwitchesGroup();
    QWidget* createSessionGroup();
    QWidget* createEncodingGroup();

    QLineEdit* widthEdit_ = nullptr;
    QLineEdit* scrollbackEdit_ = nullptr;
    QCheckBox* loginDohickey_ = nullptr;
    QCheckBox* clearEditField_ = nullptr;
    QCheckBox* commandEcho_ = nullptr;
    QCheckBox* playSounds_ = nullptr;
    QCheckBox* autoReconnect_ = nullptr;
    QCheckBox* gatherChat_ = nullptr;
    QCheckBox* joinOnSend_ = nullptr;
    QCheckBox* announceOwnCommands_ = nullptr;
    QComboBox* typedTextEncoding_ = nullptr;
};

} // namespace vesk
