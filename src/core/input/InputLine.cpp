#include "input/InputLine.h"

#include "common/Host.h"
#include "input/CommandSender.h"
#include "input/HeldKeys.h"
#include "input/InputEditor.h"
#include "preferences/Preferences.h"

namespace vesk {
namespace {

constexpr KeyResponse swallowed{InputAction::None, false};
constexpr KeyResponse ordinary{InputAction::None, true};

namespace Character {
enum : int {
    CtrlA = 1,
    CtrlC = 3,
    Tab = 9,
    LineFeed = 10,
    Enter = 13,
    CtrlF = 6,
    CtrlS = 19,
    CtrlT = 20,
    CtrlV = 22
};
}

bool isLineBreak(char byte) {
    return byte == '\r' || byte == '\n';
}

} // namespace

InputLine::InputLine(CommandSender& sender, Preferences& preferences, InputEditor& editor,
                     Host& host)
    : sender_(sender), preferences_(preferences), editor_(editor), host_(host) {}

// Looking a name up adds it to the active profile when absent, so a key first pressed here
// (keypad 0) shows on the Macros page from then on.
bool InputLine::sendMacro(std::string_view keyName) {
    const std::string& text = preferences_.currentMacros()[keyName];
    if (text.empty()) {
        return false;
    }
    sender_.SendCommand(std::string(text));
    return true;
}

KeyResponse InputLine::onKeyDown(int virtualKey, const KeyboardState& keyboard) {
    // A modifier whose key-up went to another window is not held any more, whatever the flag
    // says: Insert alone must not paste because Shift was once pressed here.
    shiftHeld_ = shiftHeld_ && keyboard.isDown(VirtualKey::Shift);
    controlHeld_ = controlHeld_ && keyboard.isDown(VirtualKey::Control);
    // Ctrl with an arrow reaches the history even when the arrow carries a macro.
    if (keyboard.isDown(VirtualKey::Control) &&
        (virtualKey == VirtualKey::Up || virtualKey == VirtualKey::Down)) {
        if (virtualKey == VirtualKey::Up) {
            historySearchBack();
        } else {
            historySearchForward();
        }
        return swallowed;
    }
    if (const auto name = macroKeys_.GetMacroKeyName(keyboard); name && sendMacro(*name)) {
        return sentCommand();
    }
    return keyDownByKey(virtualKey);
}

KeyResponse InputLine::sentCommand() const {
    if (preferences_.settings.isOn(setting::splitJoinOnSend)) {
        return {InputAction::ScrollToEnd, false};
    }
    return swallowed;
}

KeyResponse InputLine::keyDownByKey(int virtualKey) {
    switch (virtualKey) {
    case VirtualKey::Enter:
    case VirtualKey::LineFeed:
        return swallowed;
    case VirtualKey::Escape:
        return {InputAction::ClearOutputSelection, false};
    case VirtualKey::Shift:
        shiftHeld_ = true;
        return ordinary;
    case VirtualKey::Control:
        controlHeld_ = true;
        return ordinary;
    case VirtualKey::PageUp:
        return {InputAction::ScrollPageUp, true};
    case VirtualKey::PageDown:
        return {InputAction::ScrollPageDown, true};
    case VirtualKey::End:
        return {InputAction::ScrollToEnd, true};
    case VirtualKey::Left:
        return sendMacro("Left") ? sentCommand() : ordinary;
    case VirtualKey::Right:
        return sendMacro("Right") ? sentCommand() : ordinary;
    case VirtualKey::Up:
        return arrowKey("Up", &InputLine::historyBack);
    case VirtualKey::Down:
        return arrowKey("Down", &InputLine::historyForward);
    case VirtualKey::Insert:
        return insertKey();
    default:
        return ordinary;
    }
}

KeyResponse InputLine::arrowKey(std::string_view keyName, void (InputLine::*builtIn)()) {
    if (sendMacro(keyName)) {
        return sentCommand();
    }
    (this->*builtIn)();
    return ordinary;
}

KeyResponse InputLine::insertKey() {
    if (shiftHeld_) {
        return {PasteIntoInput(), false};
    }
    // With its own selection the edit box copies that instead.
    if (controlHeld_ && !editor_.hasSelection()) {
        return {InputAction::CopyOutputSelection, false};
    }
    return ordinary;
}

KeyResponse InputLine::onCharacter(int code, const KeyboardState& keyboard) {
    if (const auto name = macroKeys_.GetMacroKeyName(keyboard)) {
        // The key-down has sent the macro; the character of the same press goes nowhere.
        if (!preferences_.currentMacros()[*name].empty()) {
            return swallowed;
        }
        if (keyboard.isDown(VirtualKey::Control) && macroKeys_.lastAcceptedKey() == 'F') {
            return {InputAction::OpenFind, false};
        }
    }
    return characterByCode(code);
}

KeyResponse InputLine::characterByCode(int code) {
    switch (code) {
    case Character::CtrlA:
        if (!editor_.text().empty() && !editor_.wholeTextSelected()) {
            return ordinary;
        }
        return {InputAction::SelectAllOutput, false};
    case Character::CtrlC:
        return {editor_.hasSelection() ? InputAction::None : InputAction::CopyOutputSelection,
                true};
    case Character::LineFeed:
    case Character::Enter: {
        const bool sends = sender_.connected();
        SubmitInputLine();
        return sends ? sentCommand() : swallowed;
    }
    case Character::CtrlS:
        return swallowed;
    case Character::Tab:
        completeWord();
        return swallowed;
    case Character::CtrlT:
        return {sender_.connected() ? InputAction::None : InputAction::ConnectToDevelopmentSite,
                true};
    case Character::CtrlV:
        return {PasteIntoInput(), false};
    default:
        return ordinary;
    }
}

KeyResponse InputLine::onKeyUp(int virtualKey) {
    if (virtualKey == VirtualKey::Shift) {
        shiftHeld_ = false;
    } else if (virtualKey == VirtualKey::Control) {
        controlHeld_ = false;
    }
    return ordinary;
}

void InputLine::forgetHeldKeys() {
    shiftHeld_ = false;
    controlHeld_ = false;
}

void InputLine::SubmitInputLine() {
    if (!sender_.connected()) {
        return;
    }
    const bool hidden = sender_.serverEchoes();
    sender_.SendUserCommand(editor_.text(), true);
    // A password is never left in the line, selected or not.
    if (hidden || preferences_.settings.isOn(setting::clearEditField)) {
        editor_.setText({});
    } else {
        editor_.selectAll();
    }
}

void InputLine::historyBack() {
    if (auto entry = sender_.history().back()) {
        editor_.setText(*entry);
    }
}

void InputLine::historyForward() {
    editor_.setText(sender_.history().forward());
}

void InputLine::historySearchBack() {
    if (auto entry = sender_.history().searchBack(editor_.text())) {
        editor_.setText(*entry);
    }
}

void InputLine::historySearchForward() {
    editor_.setText(sender_.history().searchForward(editor_.text()));
}

void InputLine::completeWord() {
    const WordCompletion::Line line{editor_.text(), editor_.caret()};
    if (const auto completed = completion_.complete(line, completionCandidates_)) {
        editor_.setTextAndCaret(completed->text, completed->caret);
    }
}

std::optional<std::vector<std::string>> InputLine::splitPastedText(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t lineStart = 0;
    for (std::size_t position = 0; position < text.size();) {
        if (!isLineBreak(text[position])) {
            ++position;
            continue;
        }
        lines.emplace_back(text.substr(lineStart, position - lineStart));
        const bool pair = position + 1 < text.size() && isLineBreak(text[position + 1]) &&
                          text[position + 1] != text[position];
        position += pair ? 2 : 1;
        lineStart = position;
    }
    if (lines.empty()) {
        return std::nullopt;
    }
    lines.emplace_back(text.substr(lineStart));
    return lines;
}

InputAction InputLine::PasteIntoInput() {
    const std::string clipboard = host_.clipboardText();
    if (clipboard.empty()) {
        return InputAction::None;
    }
    const auto lines = splitPastedText(clipboard);
    if (!lines) {
        return InputAction::OrdinaryPaste;
    }
    // Lines that cannot be sent are not worth the text already typed: the line stays as it is.
    if (!sender_.connected()) {
        return InputAction::None;
    }
    for (const std::string& line : *lines) {
        sender_.SendUserCommand(line, false);
        editor_.setText({});
    }
    return InputAction::None;
}

std::optional<std::vector<InputAction>> InputLine::pressKey(std::string_view macroKeyName) {
    const auto key = MacroKeys::keyNamed(macroKeyName);
    if (!key) {
        return std::nullopt;
    }
    std::vector<KeyResponse> responses;
    HeldKeys keyboard;
    if (key->needsControl) {
        keyboard.press(VirtualKey::Control);
        responses.push_back(onKeyDown(VirtualKey::Control, keyboard));
    }
    keyboard.press(key->virtualKey);
    responses.push_back(onKeyDown(key->virtualKey, keyboard));
    if (key->needsControl) {
        responses.push_back(onCharacter(key->virtualKey - 'A' + 1, keyboard));
    }
    responses.push_back(onKeyUp(key->virtualKey));
    if (key->needsControl) {
        responses.push_back(onKeyUp(VirtualKey::Control));
    }
    std::vector<InputAction> actions;
    for (const KeyResponse& response : responses) {
        if (response.action != InputAction::None) {
            actions.push_back(response.action);
        }
    }
    return actions;
}

} // namespace vesk
