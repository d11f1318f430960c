#include "app/ServerEventRouter.h"

#include "common/Host.h"

namespace vesk {

// Every game line passes here with its category, so the reconnect hears the game's farewell
// and conversation gathers in the chat pane; the log writes the line once.
void ServerEventRouter::writeLog(std::string_view line, int category) {
    parts_.log.WriteLog(line, category);
    parts_.reconnection.serverLine(line);
    parts_.chat.receivedLine(line, category, parts_.log.characterName());
}

// The automatic login follows the session's login state, which only the server's NAME sets.
PromptAnswer ServerEventRouter::namePrompt() {
    parts_.autoLogin.setLoggedIn(parts_.session.loggedIn);
    return parts_.autoLogin.OnNamePrompt();
}

PromptAnswer ServerEventRouter::passwordPrompt() {
    parts_.autoLogin.setLoggedIn(parts_.session.loggedIn);
    return parts_.autoLogin.OnPasswordPrompt();
}

void ServerEventRouter::selectProfileForCharacter(std::string_view name) {
    parts_.preferences.SelectProfileForCharacter(name);
}

void ServerEventRouter::setLogCharacterName(std::string_view name) {
    parts_.log.SetCharacterName(name);
    parts_.autoLogin.setLoggedIn(true);
    parts_.reconnection.loggedIn();
}

void ServerEventRouter::grantCodingAccess() {
    if (!codingAccess_) {
        codingAccess_ = true;
        parts_.host.changed(Change::Menu);
    }
}

void ServerEventRouter::setSkill(std::string_view key, std::string_view level,
                                 std::string_view percent) {
    parts_.skills.setSkill(key, level, percent);
}

void ServerEventRouter::whoLogon(const std::vector<std::string_view>& arguments) {
    parts_.who.logOn(std::vector<std::string>(arguments.begin(), arguments.end()));
    parts_.host.changed(Change::WhoList);
}

void ServerEventRouter::whoLogoff(std::string_view name) {
    parts_.who.logOff(name);
    parts_.host.changed(Change::WhoList);
}

void ServerEventRouter::helpContents(const std::vector<std::string_view>& topics) {
    parts_.help.onHelpContents(topics);
}

void ServerEventRouter::dirTree(const std::vector<std::string_view>& arguments) {
    parts_.browser.OnDirTree(arguments);
}

void ServerEventRouter::dirFiles(const std::vector<std::string_view>& arguments) {
    parts_.browser.OnDirFiles(arguments);
}

} // namespace vesk
