#pragma once

#include "app/ChatGathering.h"
#include "app/Reconnection.h"
#include "app/ServerEventRouter.h"
#include "common/Host.h"
#include "common/Reporting.h"
#include "connection/Connection.h"
#include "connection/LagMeter.h"
#include "connection/LineTriggers.h"
#include "connection/ReceivePath.h"
#include "connection/TelnetFilter.h"
#include "connection/TypedTextEncoding.h"
#include "display/TextBuffer.h"
#include "info/NewsText.h"
#include "input/CommandSender.h"
#include "input/TriggerEngine.h"
#include "log/SessionLog.h"
#include "login/AutoLogin.h"
#include "preferences/Preferences.h"
#include "protocol/ServerLineParser.h"
#include "remote/FileBrowserModel.h"
#include "remote/FileTransfer.h"
#include "remote/HelpBrowserModel.h"
#include "social/WhoList.h"
#include "status/SkillsModel.h"
#include "status/StatusModel.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vesk {

// The client's whole state in one object graph, owned on the thread that runs the front end:
// the settings, the connection and its receive path, the two text buffers, the status model
// and everything the control channel drives. The front end gives it the socket's events and
// paints what it holds; the core reaches the front end only through Host.
class Client {
public:
    Client(Host& host, std::filesystem::path workingDirectory);
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    // Start-up without windows: the settings files are read, the scroll-back takes the
    // configured width and logging starts when it is on by default.
    void startUp();
    // Exit: every settings file is written back. False when one could not be (reported).
    bool saveSettings();
    // "Log To File": switches the session log on or off; switched on with LogPrepend, the
    // main view's text is written first.
    void ToggleLogging();
    // The main view's text as "Log To File" prepends it: plain lines joined by line feeds.
    std::string mainViewText() const;

    // Connection commands and the socket's progress, in the order they happen.
    bool ConnectToSite(std::string_view hostName, std::string_view portText,
                       std::string_view siteName);
    // Connecting from the login dialog with a stored character selected.
    void connectWithCharacter(int slot) { autoLogin_.connectWithCharacter(slot); }
    void onHostLookupFailed();
    void onConnecting();
    void onConnectFailed();
    void onConnected();
    // One read from the socket, as it arrived.
    void onReceived(std::string_view bytes);
    // The socket failed while reading: noted in the diagnostic log, then the connection ends.
    void onReadError();
    // The connection ended: the peer closed, Disconnect, or the application is exiting.
    void OnConnectionEnded(bool byExit);
    // Disconnect: the connection (when there is one) ends as the player asked, and any wait to
    // reconnect stops.
    void playerDisconnected();
    // The host's wake-up (Host::requestWakeUp). True when an attempt to reconnect is to start
    // now: the front end then connects to connection().target() again. No attempt starts while
    // a login dialog asks for input.
    bool onWakeUp(bool loginDialogAsking);
    Reconnection& reconnection() { return reconnection_; }
    // What Tab in the input line completes from: the who list's names, recent speakers, then
    // the words of the last screens of output.
    std::vector<std::string> completionCandidates() const;
    // The command history of the character in the game is written to its file now (it also is
    // at every disconnect and at exit).
    void saveCommandHistory();
    ChatGathering& chatGathering() { return chat_; }

    // Asks the server to describe the character again, once it has named one.
    void Refresh();
    // The player showed or hid the skills window: recorded in the settings, and shown while a
    // named character is in the game, the server is asked for the whole listing (the control
    // channel asks for skills at login only while the window is open).
    void skillsWindowShown(bool shown);
    std::string lagReadout(bool narrow) const { return lag_.readoutText(narrow); }
    // The status pane in words, on the player's request: written into the main view as a note
    // (so a screen reader reads it as it reads new text) and returned.
    std::string describeStatus();

    TextBuffer& mainBuffer() { return mainBuffer_; }
    TextBuffer& chatBuffer() { return chatBuffer_; }
    StatusModel& status() { return status_; }
    Connection& connection() { return connection_; }
    const LagMeter& lagMeter() const { return lag_; }
    const ServerLineParser& parser() const { return parser_; }
    const ReceivePath& receivePath() const { return receivePath_; }
    Reporting& reporting() { return reporting_; }
    Preferences& preferences() { return preferences_; }
    SessionLog& sessionLog() { return log_; }
    AutoLogin& autoLogin() { return autoLogin_; }
    WhoList& whoList() { return who_; }
    SkillsModel& skills() { return skills_; }
    FileTransfer& transfer() { return transfer_; }
    FileBrowserModel& fileBrowser() { return browser_; }
    HelpBrowserModel& helpBrowser() { return help_; }
    NewsText& news() { return news_; }
    WindowPresence& windows() { return windows_; }
    // The one send path for everything the player, a macro or a trigger sends.
    CommandSender& commandSender() { return sender_; }
    // How typed text goes on the wire; the windows store what is typed into settings with it.
    const TypedTextEncoding& typedText() const { return typedText_; }
    TriggerEngine& triggers() { return triggers_; }
    bool serverEchoes() const { return telnet_.serverEchoes(); }
    bool codingAccess() const { return router_.codingAccess(); }
    // The window title: the connection's state ("Vesk - Not Connected", "Vesk - Connecting ..");
    // once connected, where to ("Vesk - Connected to FenmarchMUD") until the server names the
    // character, then "Vesk (Name)" ("DEVEL (Name)" on the development site), with any transfer
    // progress after it.
    std::string title() const;
    // The player pointed the client at a server other than FenmarchMUD's own site: the title
    // names its host and port while connected.
    void showHostInTitle(bool shown) { hostShownInTitle_ = shown; }
    const std::filesystem::path& workingDirectory() const { return workingDirectory_; }

private:
    void setTitle(std::string title);
    void addNotice(std::string_view colour, std::string_view text, int emptyLines);
    void applySettings();
    void onSettingChanged(SettingKey key);
    void followSetting(SettingKey key);
    void startLogSection();
    bool reconnectAttemptFailed();
    void followCharacterHistory();
    FileTransfer::Environment transferEnvironment();
    HelpBrowserModel::Environment helpEnvironment();

    Host& host_;
    std::filesystem::path workingDirectory_;
    Reporting reporting_;
    Preferences preferences_;
    LagMeter lag_;
    TypedTextEncoding typedText_;
    Connection connection_;
    TextBuffer mainBuffer_;
    TextBuffer chatBuffer_;
    StatusModel status_;
    SessionLog log_;
    AutoLogin autoLogin_;
    WhoList who_;
    SkillsModel skills_;
    FileBrowserModel browser_;
    FileTransfer transfer_;
    HelpBrowserModel help_;
    NewsText news_;
    WindowPresence windows_;
    Reconnection reconnection_;
    ChatGathering chat_;
    ServerEventRouter router_;
    TelnetFilter telnet_;
    CommandSender sender_;
    TriggerEngine triggers_;
    ServerLineParser parser_;
    ReceivePath receivePath_;
    std::string title_ = "Vesk - Not Connected";
    bool hostShownInTitle_ = false;
    std::string received_;
    // The character whose stored history the command history holds ("" for none).
    std::string historyCharacter_;
};

} // namespace vesk
