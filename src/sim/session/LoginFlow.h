#pragma once

#include "world/AccountBook.h"

#include <string>
#include <string_view>

namespace vesk::sim {

// The login conversation of one game connection, as a state machine: name, then password,
// then in. It decides; the session does the talking (prompts, echo negotiation, texts).
class LoginFlow {
public:
    enum class Step {
        Ignored,        // an empty line while a prompt waits
        NameRefused,    // not a usable name: ask again
        AskPassword,    // a known character
        AskNewPassword, // a new name: it becomes a guest with this password
        PasswordWrong,  // ask again
        TooManyTries,   // hang up
        LoggedIn,
    };
    static constexpr int allowedPasswordTries = 3;

    explicit LoginFlow(AccountBook& accounts) : accounts(accounts) {}

    Step takeLine(std::string_view line);
    bool loggedIn() const { return state == State::Done; }
    // Valid once the step was LoggedIn.
    const Account& account() const { return *chosen; }
    const std::string& pendingName() const { return name; }

    static bool isUsableName(std::string_view candidate);

private:
    enum class State { Name, Password, NewPassword, Done };

    Step takeName(std::string_view line);
    Step takePassword(std::string_view line);

    AccountBook& accounts;
    State state = State::Name;
    std::string name;
    const Account* chosen = nullptr;
    int failedTries = 0;
};

} // namespace vesk::sim
