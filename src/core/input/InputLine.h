#pragma once

#include "input/KeyboardState.h"
#include "input/MacroKeys.h"
#include "input/WordCompletion.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class CommandSender;
class Host;
class InputEditor;
class Preferences;

// What the front end does after a key event besides what the core already did.
enum class InputAction {
    None,
    ScrollPageUp,
    ScrollPageDown,
    // Copy the main output view's selection (else the chat pane's) to the clipboard.
    CopyOutputSelection,
    // Select all of the main output view's scroll-back.
    SelectAllOutput,
    // Drop the text panes' selections.
    ClearOutputSelection,
    OpenFind,
    // Connect to the development site (port 3333).
    ConnectToDevelopmentSite,
    // Let the edit box paste the clipboard into the line as it stands.
    OrdinaryPaste,
    // Bring the main output view back to its end, joining a split view.
    ScrollToEnd,
};

struct KeyResponse {
    InputAction action = InputAction::None;
    // Whether the edit box still gets the event for its own handling (typing, caret movement).
    bool defaultProcessing = true;
    auto operator<=>(const KeyResponse&) const = default;
};

// The rules of the input line under the main output view: Enter submits the line, a macro key
// sends its macro (overriding whatever the key does otherwise), Up and Down walk the history,
// and a few control keys reach paste, copy, find, scrolling and the development site. Ctrl+C
// copies the line's own selection when it has one, else the output view's. Ctrl+A selects the
// line's text as any edit box does, and all of the output's scroll-back when the line is empty
// or already wholly selected (so a second Ctrl+A reaches the output). Escape drops the output's
// selection and does nothing else. Ctrl+Up and Ctrl+Down search the history for the text in the
// line (before any macro on Up or Down), and Tab completes the word before the caret. End and
// Ctrl+End also bring the output back to its end, and a command sent by Enter or a macro key
// does too unless the player turned that off. The
// widget feeds it its key-down, character and key-up events with the keyboard state and does
// what the answer asks; the text itself lives in the widget, reached through InputEditor.
class InputLine {
public:
    InputLine(CommandSender& sender, Preferences& preferences, InputEditor& editor, Host& host);

    KeyResponse onKeyDown(int virtualKey, const KeyboardState& keyboard);
    // The character a key press produced (control characters included: 3 for Ctrl+C).
    KeyResponse onCharacter(int code, const KeyboardState& keyboard);
    KeyResponse onKeyUp(int virtualKey);
    // The keyboard went elsewhere (the window or the line lost the focus): the key-ups of what
    // is held now will never arrive here, so Shift and Ctrl count as released.
    void forgetHeldKeys();

    // Enter: sends the line and empties (or selects) it; while not connected the text stays.
    void SubmitInputLine();
    // Edit > Paste, Ctrl+V and Shift+Insert. A clipboard text of several lines is sent line by
    // line; a single line is left to the edit box's own paste (OrdinaryPaste).
    InputAction PasteIntoInput();
    void historyBack();
    void historyForward();
    // Ctrl+Up and Ctrl+Down: the history searched for the text typed in the line.
    void historySearchBack();
    void historySearchForward();
    // Tab: the word before the caret completed, or the next candidate after a Tab.
    void completeWord();
    // Where Tab's candidates come from (names first); without one Tab completes nothing.
    void setCompletionCandidates(WordCompletion::Candidates candidates) {
        completionCandidates_ = std::move(candidates);
    }

    // Presses and releases the macro key of a name ("F1", "Ctrl + A") as a keyboard would,
    // Ctrl included for the letters. The actions the key asked for; nothing for an unknown name.
    std::optional<std::vector<InputAction>> pressKey(std::string_view macroKeyName);

    // The lines of a pasted text: a carriage return, a line feed, or a pair of them in either
    // order ends a line, and the rest after the last break is the last line, empty or not.
    // Nothing when the text holds no break.
    static std::optional<std::vector<std::string>> splitPastedText(std::string_view text);

    bool shiftHeld() const { return shiftHeld_; }
    bool controlHeld() const { return controlHeld_; }
    const MacroKeys& macroKeys() const { return macroKeys_; }

private:
    bool sendMacro(std::string_view keyName);
    KeyResponse arrowKey(std::string_view keyName, void (InputLine::*builtIn)());
    KeyResponse insertKey();
    KeyResponse keyDownByKey(int virtualKey);
    // The response to a key that sent a command: the output joins again when the player
    // wants it ("SplitJoinOnSend").
    KeyResponse sentCommand() const;
    KeyResponse characterByCode(int code);

    CommandSender& sender_;
    Preferences& preferences_;
    InputEditor& editor_;
    Host& host_;
    MacroKeys macroKeys_;
    WordCompletion completion_;
    WordCompletion::Candidates completionCandidates_;
    bool shiftHeld_ = false;
    bool controlHeld_ = false;
};

} // namespace vesk
