#pragma once

#include "protocol/PromptAnswer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// Everything the server-line parser hands on to parts of the client it does not own: the
// session log, profiles, the automatic login, the skills and who-list windows, the help and
// file browsers and the file transfer. Each has a harmless default so the parser runs before
// all of them exist; the client object overrides what it has.
class ServerEvents {
public:
    virtual ~ServerEvents() = default;

    virtual void writeLog(std::string_view /*line*/, int /*category*/) {}
    virtual PromptAnswer namePrompt() { return {}; }
    virtual PromptAnswer passwordPrompt() { return {}; }

    // NAME: the profile follows the character, then the log starts a new section.
    virtual void selectProfileForCharacter(std::string_view /*name*/) {}
    virtual void setLogCharacterName(std::string_view /*name*/) {}
    virtual void grantCodingAccess() {}

    virtual bool skillsWindowExists() { return false; }
    virtual bool skillsWindowShown() { return false; }
    virtual void setSkillClass(std::string_view /*className*/) {}
    // The level and percent tokens as received.
    virtual void setSkill(std::string_view /*key*/, std::string_view /*level*/,
                          std::string_view /*percent*/) {}

    virtual bool whoWindowExists() { return false; }
    // LOGON's arguments as received: name, level and three words, the missing ones left out.
    virtual void whoLogon(const std::vector<std::string_view>& /*arguments*/) {}
    virtual void whoLogoff(std::string_view /*name*/) {}

    virtual void news(const std::vector<std::string_view>& /*words*/) {}

    virtual bool helpBrowserExists() { return false; }
    virtual void helpContents(const std::vector<std::string_view>& /*topics*/) {}
    virtual void helpBegin() {}
    virtual void helpLine(std::string_view /*text*/) {}
    virtual void helpEnd() {}

    virtual void fileBegin(std::string_view /*name*/) {}
    virtual void fileLine(std::string_view /*text*/) {}
    virtual void fileEnd() {}
    virtual void sendFileName() {}
    virtual void sendFile() {}
    // Line n acknowledged; -1 when the upload is done.
    virtual void sendLine(std::int32_t /*line*/) {}

    virtual bool fileBrowserExists() { return false; }
    virtual void dirTree(const std::vector<std::string_view>& /*arguments*/) {}
    virtual void dirFiles(const std::vector<std::string_view>& /*arguments*/) {}
};

} // namespace vesk
