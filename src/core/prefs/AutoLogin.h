#pragma once

#include "protocol/PromptAnswer.h"

#include <string>
#include <string_view>

namespace vesk {

class Host;
class LineSender;
class Preferences;
class SessionLog;

// Answers the server's name and password prompts by itself, once per login: from the stored
// character chosen in the login dialog, or else from the "Login Do-hickey". The answers go
// straight to DoSend: they are not echoed, stacked or remembered in the history. Once the
// server names the character (logged in), no prompt is answered until the next connection.
class AutoLogin {
public:
    static constexpr std::size_t pendingWidth = 254;

    AutoLogin(Preferences& preferences, LineSender& sender, Host& host, SessionLog& log);

    // A received line that begins "What name would you like to use?".
    PromptAnswer OnNamePrompt();
    // A received line that begins "Password:". Answered also covers a stored character with
    // an empty password: that prompt is left to the player but still handled here.
    PromptAnswer OnPasswordPrompt();

    // Connecting from the login dialog with a stored character selected (or -1): the next
    // prompts are answered from it and the log learns its name.
    void connectWithCharacter(int slot);

    // The server's NAME sets it; every disconnect clears it.
    void setLoggedIn(bool loggedIn) { loggedIn_ = loggedIn; }
    bool loggedIn() const { return loggedIn_; }

    const std::string& pendingName() const { return pendingName_; }
    const std::string& pendingPassword() const { return pendingPassword_; }

private:
    bool hasCurrentCharacter() const;
    PromptAnswer answerFromDohickey();
    void send(const std::string& text);

    Preferences& preferences_;
    LineSender& sender_;
    Host& host_;
    SessionLog& log_;
    bool loggedIn_ = false;
    std::string pendingName_;
    std::string pendingPassword_;
};

} // namespace vesk
