#include "input/KeyTranslation.h"

#include "input/KeyboardState.h"

namespace vesk {

namespace {

int keypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return VirtualKey::Keypad0 + (key - Qt::Key_0);
    }
    switch (key) {
    case Qt::Key_Slash:
        return VirtualKey::KeypadDivide;
    case Qt::Key_Asterisk:
        return VirtualKey::KeypadMultiply;
    case Qt::Key_Minus:
        return VirtualKey::KeypadSubtract;
    case Qt::Key_Plus:
        return VirtualKey::KeypadAdd;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return VirtualKey::KeypadDecimal;
    default:
        return 0;
    }
}

int ordinaryKey(int key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        return VirtualKey::F1 + (key - Qt::Key_F1);
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return key; // the letter and digit codes are the characters themselves
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VirtualKey::Enter;
    case Qt::Key_Escape:
        return VirtualKey::Escape;
    case Qt::Key_Shift:
        return VirtualKey::Shift;
    case Qt::Key_Control:
        return VirtualKey::Control;
    case Qt::Key_PageUp:
        return VirtualKey::PageUp;
    case Qt::Key_PageDown:
        return VirtualKey::PageDown;
    case Qt::Key_End:
        return VirtualKey::End;
    case Qt::Key_Left:
        return VirtualKey::Left;
    case Qt::Key_Up:
        return VirtualKey::Up;
    case Qt::Key_Right:
        return VirtualKey::Right;
    case Qt::Key_Down:
        return VirtualKey::Down;
    case Qt::Key_Insert:
        return VirtualKey::Insert;
    default:
        return 0;
    }
}

} // namespace

int virtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (const int code = keypadKey(key)) {
            return code;
        }
        if (key == Qt::Key_Enter) {
            return VirtualKey::Enter;
        }
    }
    return ordinaryKey(key);
}

PressedKeys::PhysicalKey physicalKeyOf(const QKeyEvent& event) {
    // The source of the code goes into the high half, so a scan code never equals a key code.
    const auto tagged = [](std::uint64_t source, std::uint64_t code) {
        return source << 32 | code;
    };
    if (event.nativeScanCode() != 0) {
        return tagged(1, event.nativeScanCode());
    }
    if (event.nativeVirtualKey() != 0) {
        return tagged(2, event.nativeVirtualKey());
    }
    return tagged(3, static_cast<std::uint32_t>(event.key()));
}

int characterCodeOf(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        return 13;
    }
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return 0;
    }
    return text.at(0).unicode();
}

} // namespace vesk
