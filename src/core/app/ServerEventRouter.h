#pragma once

#include "app/ChatGathering.h"
#include "app/Reconnection.h"
#include "info/NewsText.h"
#include "log/SessionLog.h"
#include "login/AutoLogin.h"
#include "preferences/Preferences.h"
#include "protocol/ServerEvents.h"
#include "protocol/SessionState.h"
#include "remote/FileBrowserModel.h"
#include "remote/FileTransfer.h"
#include "remote/HelpBrowserModel.h"
#include "social/WhoList.h"
#include "status/SkillsModel.h"

namespace vesk {

class Host;

// Which of the windows that control messages feed are there: the skills and help windows are
// made at start-up, the who list only while the player shows it; the file browser says for
// itself.
struct WindowPresence {
    bool skills = true;
    bool skillsShown = false;
    bool who = false;
    bool help = true;
};

// Hands what the parser recognises to the part of the client that owns it: the log, the
// automatic login, the profiles, the skills and who-list windows, the help and file browsers,
// the file transfer and the news window.
class ServerEventRouter : public ServerEvents {
public:
    struct Parts {
        Host& host;
        SessionState& session;
        Preferences& preferences;
        SessionLog& log;
        AutoLogin& autoLogin;
        WhoList& who;
        SkillsModel& skills;
        FileTransfer& transfer;
        FileBrowserModel& browser;
        HelpBrowserModel& help;
        NewsText& news;
        WindowPresence& windows;
        Reconnection& reconnection;
        ChatGathering& chat;
    };

    explicit ServerEventRouter(Parts parts) : parts_(parts) {}

    void writeLog(std::string_view line, int category) override;
    PromptAnswer namePrompt() override;
    PromptAnswer passwordPrompt() override;
    void selectProfileForCharacter(std::string_view name) override;
    void setLogCharacterName(std::string_view name) override;
    void grantCodingAccess() override;

    bool skillsWindowExists() override { return parts_.windows.skills; }
    bool skillsWindowShown() override { return parts_.windows.skillsShown; }
    void setSkillClass(std::string_view className) override { parts_.skills.setClass(className); }
    void setSkill(std::string_view key, std::string_view level, std::string_view percent) override;

    bool whoWindowExists() override { return parts_.windows.who; }
    void whoLogon(const std::vector<std::string_view>& arguments) override;
    void whoLogoff(std::string_view name) override;

    void news(const std::vector<std::string_view>& words) override { parts_.news.apply(words); }

    bool helpBrowserExists() override { return parts_.windows.help; }
    void helpContents(const std::vector<std::string_view>& topics) override;
    void helpBegin() override { parts_.help.beginText(); }
    void helpLine(std::string_view text) override { parts_.help.ReceiveLine(text); }
    void helpEnd() override { parts_.help.endText(); }

    void fileBegin(std::string_view name) override { parts_.transfer.BeginReceive(name); }
    void fileLine(std::string_view text) override { parts_.transfer.ReceiveLine(text); }
    void fileEnd() override { parts_.transfer.onFileEnd(); }
    void sendFileName() override { parts_.transfer.SendFileName(); }
    void sendFile() override { parts_.transfer.SendEditFile(); }
    void sendLine(std::int32_t line) override { parts_.transfer.ShowSendProgress(line); }

    bool fileBrowserExists() override { return parts_.browser.exists(); }
    void dirTree(const std::vector<std::string_view>& arguments) override;
    void dirFiles(const std::vector<std::string_view>& arguments) override;

    bool codingAccess() const { return codingAccess_; }
    void revokeCodingAccess() { codingAccess_ = false; }

private:
    Parts parts_;
    bool codingAccess_ = false;
};

} // namespace vesk
