#include "login/AutoLogin.h"

#include "common/Host.h"
#include "common/LineSender.h"
#include "common/TextFields.h"
#include "connection/TypedTextEncoding.h"
#include "log/SessionLog.h"
#include "login/StoredCharacters.h"
#include "settings/Settings.h"

namespace vesk {
namespace {

const std::string censored = "[Censored]\n";

} // namespace

AutoLogin::AutoLogin(StoredCharacters& characters, Settings& settings, LineSender& sender,
                     const TypedTextEncoding& encoding, Host& host, SessionLog& log)
    : characters_(characters), settings_(settings), sender_(sender), encoding_(encoding),
      host_(host), log_(log) {}

bool AutoLogin::hasCurrentCharacter() const {
    return characters_.isUsed(characters_.current());
}

void AutoLogin::send(const std::string& text) {
    sender_.DoSend(text + "\n");
}

PromptAnswer AutoLogin::OnNamePrompt() {
    if (loggedIn_) {
        return {};
    }
    if (hasCurrentCharacter()) {
        const std::string& name = characters_[characters_.current()].name;
        send(name);
        return {true, name + "\n"};
    }
    if (settings_.isOn(setting::usePasswordDohickey)) {
        return answerFromDohickey();
    }
    return {};
}

PromptAnswer AutoLogin::answerFromDohickey() {
    const auto details = host_.askLoginDetails();
    if (!details) {
        pendingName_.clear();
        pendingPassword_.clear();
        return {};
    }
    pendingName_ = firstLetterUpper(cutToWidth(details->name, pendingWidth));
    pendingPassword_ = cutToWidth(details->password, pendingWidth);
    const std::string name = encoding_.encode(pendingName_);
    send(name);
    log_.SetCharacterName(name);
    // The password waits for its own prompt; the name has been used.
    pendingName_.clear();
    return {true, name + "\n"};
}

PromptAnswer AutoLogin::OnPasswordPrompt() {
    if (loggedIn_) {
        return {};
    }
    if (characters_.current() != -1) {
        PromptAnswer answer{true, ""};
        if (hasCurrentCharacter()) {
            const std::string& password = characters_[characters_.current()].password;
            if (!password.empty()) {
                send(password);
                answer.lineSuffix = censored;
            }
        }
        // Answered once: a second "Password:" (after a wrong one) is left to the player.
        characters_.setCurrent(-1);
        return answer;
    }
    if (!pendingPassword_.empty()) {
        send(encoding_.encode(pendingPassword_));
        pendingPassword_.clear();
        return {true, censored};
    }
    return {};
}

void AutoLogin::connectWithCharacter(int slot) {
    const int chosen = characters_.isUsed(slot) ? slot : -1;
    characters_.setCurrent(chosen);
    settings_.setNumber(setting::lastCharLoggedIn, chosen);
    log_.SetCharacterName(chosen >= 0 ? characters_[chosen].name : std::string());
}

} // namespace vesk
