#include "session/LoginFlow.h"

#include "base/TextWords.h"

#include <algorithm>
#include <cctype>

namespace vesk::sim {

bool LoginFlow::isUsableName(std::string_view candidate) {
    const auto isLetter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
    return candidate.size() >= 2 && candidate.size() <= 15 &&
           std::all_of(candidate.begin(), candidate.end(), isLetter);
}

LoginFlow::Step LoginFlow::takeLine(std::string_view line) {
    switch (state) {
    case State::Name:
        return takeName(line);
    case State::Password:
    case State::NewPassword:
        return takePassword(line);
    case State::Done:
        break;
    }
    return Step::Ignored;
}

LoginFlow::Step LoginFlow::takeName(std::string_view line) {
    const auto words = splitWords(line);
    if (words.empty()) {
        return Step::Ignored;
    }
    if (words.size() != 1 || !isUsableName(words[0])) {
        return Step::NameRefused;
    }
    name = capitalisedName(words[0]);
    chosen = accounts.find(name);
    state = chosen ? State::Password : State::NewPassword;
    return chosen ? Step::AskPassword : Step::AskNewPassword;
}

LoginFlow::Step LoginFlow::takePassword(std::string_view line) {
    // Passwords are taken as typed, blanks included; only an empty line is no answer.
    if (line.empty()) {
        return Step::Ignored;
    }
    if (state == State::NewPassword) {
        chosen = &accounts.addGuest(name, line);
        state = State::Done;
        return Step::LoggedIn;
    }
    if (line == chosen->password) {
        state = State::Done;
        return Step::LoggedIn;
    }
    ++failedTries;
    return failedTries >= allowedPasswordTries ? Step::TooManyTries : Step::PasswordWrong;
}

} // namespace vesk::sim
