#include "input/InputLineEdit.h"

#include "client/Client.h"
#include "input/KeyTranslation.h"

#include <QKeyEvent>

namespace vesk {

InputLineEdit::InputLineEdit(Client& client, QWidget* parent)
    : QLineEdit(parent),
      rules_(std::make_unique<InputLine>(client.commandSender(), client.preferences(), *this,
                                         client.reporting().host())) {
    setMaxLength(65535);
}

InputLineEdit::~InputLineEdit() = default;

void InputLineEdit::setMasked(bool masked) {
    setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

std::string InputLineEdit::text() const {
    return QLineEdit::text().toLatin1().toStdString();
}

void InputLineEdit::setText(const std::string& text) {
    QLineEdit::setText(QString::fromLatin1(text));
    end(false);
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
    case InputAction::None:
        break;
    }
    return response.defaultProcessing;
}

// Shift and Ctrl held follow the event's own modifiers too, so a release the line never saw
// (the window lost the focus meanwhile) does not leave them stuck.
void InputLineEdit::syncModifiers(const QKeyEvent& event) {
    const auto sync = [this](int key, bool held) {
        if (held) {
            keys_.down.insert(key);
        } else {
            keys_.down.erase(key);
        }
    };
    sync(VirtualKey::Control,
         event.modifiers().testFlag(Qt::ControlModifier) || event.key() == Qt::Key_Control);
    sync(VirtualKey::Shift,
         event.modifiers().testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Shift);
}

// A key press is a key-down and, when it makes one, a character, as the key rules expect: the
// character step runs even when the key-down kept the press from the edit box (Enter is acted
// on as a character), and the edit box sees the press only when neither step kept it.
void InputLineEdit::keyPressEvent(QKeyEvent* event) {
    syncModifiers(*event);
    const int key = virtualKeyOf(*event);
    if (key != 0) {
        keys_.down.insert(key);
    }
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

void InputLineEdit::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) {
        return;
    }
    const int key = virtualKeyOf(*event);
    keys_.down.erase(key);
    rules_->onKeyUp(key);
    syncModifiers(*event);
    if (event->key() == Qt::Key_Control) {
        keys_.down.erase(VirtualKey::Control);
    }
    if (event->key() == Qt::Key_Shift) {
        keys_.down.erase(VirtualKey::Shift);
    }
    QLineEdit::keyReleaseEvent(event);
}

void InputLineEdit::focusOutEvent(QFocusEvent* event) {
    keys_.down.clear();
    QLineEdit::focusOutEvent(event);
}

// Tab stays in the line (the game has no use for moving the focus).
bool InputLineEdit::focusNextPrevChild(bool) {
    return false;
}

} // namespace vesk
