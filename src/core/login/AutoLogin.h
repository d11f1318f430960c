#pragma once

#include "protocol/PromptAnswer.h"

#include <string>
#include <string_view>

namespace vesk {

class Host;
class LineSender;
class SessionLog;
class Settings;
class StoredCharacters;
class TypedTextEncoding;

// Answers the server's name and password prompts by itself, once per login: from the stored
// character chosen in the login dialog, or else from the "Login Do-hickey". The answers go
// straight to DoSend: they are not echoed, stacked or remembered in the history. Once the
// server names the character (logged in), no prompt is answered until the next connection.
//
// A stored character's name and password go out byte for byte as they are stored: they are
// what the server knew the character by. What is typed into the Do-hickey is typed text and
// goes out in the encoding the server reads.
class AutoLogin {
public:
    static constexpr std::size_t pendingWidth = 254;

    AutoLogin(StoredCharacters& characters, Settings& settings, LineSender& sender,
              const TypedTextEncoding& encoding, Host& host, SessionLog& log);

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

    StoredCharacters& characters_;
    Settings& settings_;
    LineSender& sender_;
    const TypedTextEncoding& encoding_;
    Host& host_;
    SessionLog& log_;
    bool loggedIn_ = false;
    std::string pendingName_;
    std::string pendingPassword_;
};

} // namespace vesk
