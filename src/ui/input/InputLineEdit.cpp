#include "input/InputLineEdit.h"

#include "common/TextBoundary.h"
#include "input/KeyTranslation.h"

#include <QKeyEvent>

namespace vesk {

InputLineEdit::InputLineEdit(CommandSender& sender, Preferences& preferences, Host& host,
                             QWidget* parent)
    : QLineEdit(parent), rules_(std::make_unique<InputLine>(sender, preferences, *this, host)) {
    setMaxLength(65535);
}

InputLineEdit::~InputLineEdit() = default;

void InputLineEdit::setMasked(bool masked) {
    setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

// The core gets what is typed as UTF-8 and encodes it for the server when it is sent.
std::string InputLineEdit::text() const {
    return toBytes(QLineEdit::text());
}

void InputLineEdit::setText(const std::string& text) {
    QLineEdit::setText(toQString(text));
    end(false);
}

// The core counts the caret in bytes of the UTF-8 text.
std::size_t InputLineEdit::caret() const {
    return toBytes(QLineEdit::text().left(cursorPosition())).size();
}

void InputLineEdit::setTextAndCaret(const std::string& text, std::size_t caret) {
    QLineEdit::setText(toQString(text));
    setCursorPosition(static_cast<int>(toQString(text.substr(0, caret)).size()));
}

void InputLineEdit::selectAll() {
    QLineEdit::selectAll();
}

bool InputLineEdit::hasSelection() const {
    return QLineEdit::hasSelectedText();
}

bool InputLineEdit::wholeTextSelected() const {
    return hasSelectedText() && selectionLength() == QLineEdit::text().size();
}

void InputLineEdit::paste() {
    if (rules_->PasteIntoInput() == InputAction::OrdinaryPaste) {
        QLineEdit::paste();
    }
}

bool InputLineEdit::act(KeyResponse response) {
    switch (response.action) {
    case InputAction::ScrollPageUp:
        emit scrollPageUp();
        break;
    case InputAction::ScrollPageDown:
        emit scrollPageDown();
        break;
    case InputAction::CopyOutputSelection:
        emit copyOutputSelection();
        break;
    case InputAction::SelectAllOutput:
        // The output's selection is the one Ctrl+C copies now.
        deselect();
        emit selectAllOutput();
        break;
    case InputAction::ClearOutputSelection:
        emit clearOutputSelection();
        break;
    case InputAction::OpenFind:
        emit openFind();
        break;
    case InputAction::ConnectToDevelopmentSite:
        emit connectToDevelopmentSite();
        break;
    case InputAction::OrdinaryPaste:
        QLineEdit::paste();
        break;
    case InputAction::ScrollToEnd:
        emit scrollToEnd();
        break;
    case InputAction::None:
        break;
    }
    return response.defaultProcessing;
}

// Shift and Ctrl held follow the event's own modifiers too: a release the line never saw (the
// key went up in another window) does not leave them stuck, and one pressed elsewhere counts
// once a key pressed here says it is held.
void InputLineEdit::syncModifiers(const QKeyEvent& event) {
    const auto sync = [this, &event](int key, Qt::KeyboardModifier modifier) {
        // Some platforms report a modifier's own key-down without its flag.
        const bool pressingIt = event.type() == QEvent::KeyPress && virtualKeyOf(event) == key;
        if (!event.modifiers().testFlag(modifier) && !pressingIt) {
            keys_.releaseCode(key);
        } else if (event.type() == QEvent::KeyPress && !keys_.isDown(key)) {
            // No physical key is known for it: a code of its own that no scan code can equal.
            keys_.press(PressedKeys::PhysicalKey{4} << 32 | static_cast<unsigned>(key), key);
        }
    };
    sync(VirtualKey::Control, Qt::ControlModifier);
    sync(VirtualKey::Shift, Qt::ShiftModifier);
}

// A key press is a key-down and, when it makes one, a character, as the key rules expect: the
// character step runs even when the key-down kept the press from the edit box (Enter is acted
// on as a character), and the edit box sees the press only when neither step kept it.
void InputLineEdit::keyPressEvent(QKeyEvent* event) {
    const int key = virtualKeyOf(*event);
    if (key != 0) {
        keys_.press(physicalKeyOf(*event), key);
    }
    syncModifiers(*event);
    bool editBoxSeesIt = act(rules_->onKeyDown(key, keys_));
    if (const int code = characterCodeOf(*event); code != 0) {
        editBoxSeesIt = act(rules_->onCharacter(code, keys_)) && editBoxSeesIt;
    }
    if (!editBoxSeesIt || key == VirtualKey::Enter || key == VirtualKey::Escape) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The key-up releases what the same physical key pressed, even when Num Lock or Shift changed
// its meaning while it was held.
void InputLineEdit::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        return;
    }
    const std::optional<int> pressedAs = keys_.release(physicalKeyOf(*event));
    const int key = pressedAs.value_or(virtualKeyOf(*event));
    if (!pressedAs) {
        keys_.releaseCode(key);
    }
    rules_->onKeyUp(key);
    QLineEdit::keyReleaseEvent(event);
}

void InputLineEdit::forgetHeldKeys() {
    keys_.releaseAll();
    rules_->forgetHeldKeys();
}

void InputLineEdit::focusOutEvent(QFocusEvent* event) {
    forgetHeldKeys();
    QLineEdit::focusOutEvent(event);
}

// The window losing the keyboard takes the focus from the line without a focus-out on some
// platforms; the keys held then are released elsewhere.
bool InputLineEdit::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) {
        forgetHeldKeys();
    }
    return QLineEdit::event(event);
}

// Tab stays in the line (the game has no use for moving the focus).
bool InputLineEdit::focusNextPrevChild(bool) {
    return false;
}

} // namespace vesk
