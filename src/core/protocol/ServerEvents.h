#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// How the automatic login handled a login prompt: whether it put an answer on the wire, and
// what to show behind the prompt instead (the name, or "[Censored]" for a password).
struct PromptAnswer {
    bool answered = false;
    std::string lineSuffix;
};

// Who-list entry as the server announces it: a name, a level and three free words.
struct WhoAnnouncement {
    std::string_view name;
    std::int32_t level = 0;
    std::string_view word3, word4, word5;
};

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
    virtual void setSkill(std::string_view /*key*/, std::int32_t /*level*/,
                          std::int32_t /*percent*/) {}

    virtual bool whoWindowExists() { return false; }
    virtual void whoLogon(const WhoAnnouncement& /*entry*/) {}
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
