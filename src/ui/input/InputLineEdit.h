#pragma once

#include "input/InputEditor.h"
#include "input/InputLine.h"
#include "input/PressedKeys.h"

#include <QLineEdit>

#include <memory>

namespace vesk {

class CommandSender;
class Host;
class Preferences;

// The input line under the main output view. It feeds the key rules of InputLine with its key
// events and the keys it sees held, and does what they ask; typing, the caret and selection are
// the edit box's own. While the server has taken the echo (a password prompt) the text is
// masked. Held keys are matched on the physical key and forgotten when the line or the window
// loses the keyboard, so no key or modifier is left "down" that the player has let go.
class InputLineEdit : public QLineEdit, public InputEditor {
    Q_OBJECT
public:
    // What is typed goes out through the sender; the active profile's macros and the settings
    // come from the preferences.
    InputLineEdit(CommandSender& sender, Preferences& preferences, Host& host,
                  QWidget* parent = nullptr);
    ~InputLineEdit() override;

    // Follows whether the server echoes what is typed: masked while it does not.
    void setMasked(bool masked);
    // Edit > Paste.
    void paste();
    InputLine& rules() { return *rules_; }
    // The keyboard went elsewhere: every held key and modifier is forgotten.
    void forgetHeldKeys();

    std::string text() const override;
    void setText(const std::string& text) override;
    void selectAll() override;
    bool hasSelection() const override;
    bool wholeTextSelected() const override;
    std::size_t caret() const override;
    void setTextAndCaret(const std::string& text, std::size_t caret) override;

signals:
    void scrollPageUp();
    void scrollPageDown();
    void copyOutputSelection();
    void selectAllOutput();
    void clearOutputSelection();
    void openFind();
    void connectToDevelopmentSite();
    // End, Ctrl+End or a command sent: the main output view back at its end.
    void scrollToEnd();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Acts on a response; false when the edit box must not see the event.
    bool act(KeyResponse response);
    void syncModifiers(const QKeyEvent& event);

    PressedKeys keys_;
    std::unique_ptr<InputLine> rules_;
};

} // namespace vesk
