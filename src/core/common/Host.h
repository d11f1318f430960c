#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// What changed in the core, so the front end can schedule one repaint of the affected view.
enum class Change {
    MainBuffer,
    ChatBuffer,
    Status,
    Title,
    Menu,
    LagMeter,
    Skills,
    WhoList,
    HelpBrowser,
    FileBrowser,
    News,
    // One setting took a new value; Host::settingChanged names it.
    Setting,
};

// The name of a setting (settings/SettingsTable.h); the host only passes it on.
enum class SettingKey : std::uint8_t;

// What the player typed into the "Login Do-hickey": the name and the (masked) password.
struct LoginDetails {
    std::string name;
    std::string password;
    bool operator==(const LoginDetails&) const = default;
};

// The core's one door to the outside world. The Qt front end implements it with a socket,
// message boxes and a monotonic clock; tests implement it with a recording fake that also
// scripts the answers. Nothing in the core reaches a widget, a file dialog or a socket any
// other way.
class Host {
public:
    virtual ~Host() = default;

    // Hands bytes to the connection as they are; returns the number of bytes taken or -1.
    virtual long sendToServer(std::string_view bytes) = 0;

    // A modal box titled "Warning" with a warning icon.
    virtual void showWarning(const std::string& text) = 0;
    // A plain modal information box.
    virtual void showMessage(const std::string& text) = 0;
    // A modal box with its own title and a warning icon. A host without titled boxes shows
    // the "Warning" box instead.
    virtual void showTitledWarning(const std::string& /*title*/, const std::string& text) {
        showWarning(text);
    }
    // A plain information box with its own title; without titled boxes, the plain box.
    virtual void showTitledMessage(const std::string& /*title*/, const std::string& text) {
        showMessage(text);
    }

    // Milliseconds of a monotonic clock that wraps at 2^32.
    virtual std::uint32_t milliseconds() = 0;

    // The developer's trace channel (stderr or the debugger); never shown to the player.
    virtual void debugOutput(const std::string& text) = 0;

    // Something the player can see changed; the front end repaints it at its next turn.
    virtual void changed(Change what) = 0;
    // Change::Setting: a setting took a new value. Announced once per change, with the name of
    // the setting, so each window follows the settings it shows and a changed setting is saved.
    virtual void settingChanged(SettingKey /*setting*/) { changed(Change::Setting); }

    // A modal Yes/No question; true for Yes.
    virtual bool askQuestion(const std::string& title, const std::string& text) = 0;

    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;

    // Plays a WAV file without waiting for it; false when it cannot be played.
    virtual bool playSound(const std::string& path) = 0;

    // A program the host started, named so the core can ask about it later; 0 names none.
    using ProcessId = std::uint64_t;

    // Starts a program with its arguments as a list: nothing passes through a shell, so no
    // character of a file name or setting is interpreted. It returns as soon as the program is
    // under way, never waiting for it, and the program lives on after the client ends. 0 when
    // it cannot be started.
    virtual ProcessId startProcess(const std::string& program,
                                   const std::vector<std::string>& arguments) = 0;
    // Whether a program started earlier still runs. A host that cannot tell says it does not.
    virtual bool processRunning(ProcessId /*process*/) { return false; }

    // Opens a web address in the desktop's browser.
    virtual void openUrl(const std::string& url) = 0;

    // Asks to be woken once, after about this many milliseconds (Client::onWakeUp); a later
    // request replaces an earlier one. A host without timers never wakes the core.
    virtual void requestWakeUp(std::uint32_t /*afterMilliseconds*/) {}

    // Opens the automatic-login dialog again (after a disconnect, when the player wants it).
    virtual void openLoginDialog() {}

    // Ends the process with the given status after a fatal error. A test host records the
    // call instead; the caller returns right after calling it.
    virtual void terminate(int status) = 0;

    // The modal "Login Do-hickey" that collects a name and password when the server asks
    // for them, so the password is never typed into the visible input line. Nothing on
    // Cancel.
    virtual std::optional<LoginDetails> askLoginDetails() { return std::nullopt; }
};

} // namespace vesk
