#include "prefs/AutoLogin.h"

#include "common/Host.h"
#include "common/LineSender.h"
#include "common/TextFields.h"
#include "log/SessionLog.h"
#include "net/TypedTextEncoding.h"
#include "prefs/Preferences.h"

namespace vesk {
namespace {

const std::string censored = "[Censored]\n";

} // namespace

AutoLogin::AutoLogin(Preferences& preferences, LineSender& sender,
                     const TypedTextEncoding& encoding, Host& host, SessionLog& log)
    : preferences_(preferences), sender_(sender), encoding_(encoding), host_(host), log_(log) {}

bool AutoLogin::hasCurrentCharacter() const {
    return preferences_.characters.isUsed(preferences_.currentCharacter);
}

void AutoLogin::send(const std::string& text) {
    sender_.doSend(text + "\n");
}

PromptAnswer AutoLogin::OnNamePrompt() {
    if (loggedIn_) {
        return {};
    }
    if (hasCurrentCharacter()) {
        const std::string& name = preferences_.characters[preferences_.currentCharacter].name;
        send(name);
        return {true, name + "\n"};
    }
    if (preferences_.settings.isOn(setting::usePasswordDohickey)) {
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
    if (preferences_.currentCharacter != -1) {
        PromptAnswer answer{true, ""};
        if (hasCurrentCharacter()) {
            const std::string& password =
                preferences_.characters[preferences_.currentCharacter].password;
            if (!password.empty()) {
                send(password);
                answer.lineSuffix = censored;
            }
        }
        // Answered once: a second "Password:" (after a wrong one) is left to the player.
        preferences_.currentCharacter = -1;
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
    const int chosen = preferences_.characters.isUsed(slot) ? slot : -1;
    preferences_.currentCharacter = chosen;
    preferences_.settings.setNumber(setting::lastCharLoggedIn, chosen);
    log_.SetCharacterName(chosen >= 0 ? preferences_.characters[chosen].name : std::string());
}

} // namespace vesk
