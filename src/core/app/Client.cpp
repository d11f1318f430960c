#include "app/Client.h"

#include "app/CompletionCandidates.h"
#include "app/WindowTitle.h"
#include "common/TextFormat.h"
#include "input/HistoryFile.h"
#include "protocol/ControlMarker.h"
#include "settings/SettingsTable.h"
#include "status/StatusWords.h"

#include <algorithm>

namespace vesk {

Client::Client(Host& host, std::filesystem::path workingDirectory)
    : host_(host), workingDirectory_(std::move(workingDirectory)),
      reporting_(host, workingDirectory_ / "Vesk.log"), typedText_(preferences_.settings),
      connection_(host, reporting_, lag_), status_([&host] { host.changed(Change::Status); }),
      log_(preferences_.settings, reporting_, workingDirectory_),
      autoLogin_(preferences_.characters, preferences_.settings, connection_, typedText_, host,
                 log_),
      skills_(host), browser_(host, connection_, [this] { return connection_.connected(); }),
      transfer_(host, connection_, workingDirectory_, transferEnvironment()),
      help_(host, connection_, workingDirectory_, helpEnvironment()), news_(host),
      reconnection_(host, preferences_.settings), chat_(preferences_.settings, chatBuffer_, host),
      router_({host, connection_.session(), preferences_, log_, autoLogin_, who_, skills_,
               transfer_, browser_, help_, news_, windows_, reconnection_, chat_}),
      telnet_([&host](std::string_view reply) { host.sendToServer(reply); }),
      sender_(connection_, typedText_, preferences_.settings, mainBuffer_, chatBuffer_, log_, host,
              [this] { return telnet_.serverEchoes(); }),
      triggers_(preferences_, sender_, host),
      parser_(status_, connection_, router_, connection_.session()),
      receivePath_(mainBuffer_, parser_, triggers_) {
    transfer_.setBrowser(&browser_);
    sender_.setCommandObserver(
        [this](std::string_view command) { reconnection_.commandSent(command); });
    preferences_.settings.setListener([this](SettingKey key) { onSettingChanged(key); });
    receivePath_.setDropNote(
        [this](const std::string& note) { reporting_.appendToDiagnosticLog(note); });
}

FileTransfer::Environment Client::transferEnvironment() {
    return {[this] { return preferences_.settings.text(setting::editor); },
            [this] { return connection_.IsDevelopmentPort(); },
            [this] { return connection_.connected(); }};
}

HelpBrowserModel::Environment Client::helpEnvironment() {
    return {[this] { return preferences_.settings.text(setting::helpEditor); },
            [this] { return connection_.connected(); }};
}

void Client::startUp() {
    reporting_.removeDiagnosticLog();
    preferences_.LoadPreferences(workingDirectory_, reporting_);
    applySettings();
    // Any non-zero value means on, and the start-up switch prepends the window's text as the
    // menu command does.
    if (preferences_.settings.number(setting::logDefault) != 0 && !log_.loggingOn()) {
        ToggleLogging();
    }
}

void Client::ToggleLogging() {
    log_.ToggleLogging([this] { return mainViewText(); });
}

// The main view's whole text as one entry: the plain lines joined by line feeds, two blanks
// when there is none.
std::string Client::mainViewText() const {
    std::string text;
    std::string plain;
    for (int index = 0; index < mainBuffer_.LineCount(); ++index) {
        if (index > 0) {
            text += '\n';
        }
        if (mainBuffer_.GetPlainLine(index, plain)) {
            text += plain;
        }
    }
    return text.empty() ? std::string("  ") : text;
}

// Settings that live outside the preferences object take their values again.
void Client::applySettings() {
    followSetting(setting::numCharactersWidth);
    followSetting(setting::scrollbackLines);
    followSetting(setting::skillsOpen);
    windows_.who = preferences_.settings.isOn(setting::showWhoWindow);
}

// What the core keeps of a setting follows it here; the front end hears of the change next.
void Client::onSettingChanged(SettingKey key) {
    followSetting(key);
    host_.settingChanged(key);
}

void Client::followSetting(SettingKey key) {
    const Settings& settings = preferences_.settings;
    switch (key) {
    case setting::numCharactersWidth:
        mainBuffer_.setWrapWidth(settings.number(setting::numCharactersWidth));
        break;
    case setting::scrollbackLines: {
        // A file may hold any number; the scroll-back is bounded whatever it says.
        const SettingLimits& limits = SettingsTable::limits(setting::scrollbackLines);
        const int lines =
            std::clamp(settings.number(setting::scrollbackLines), limits.minimum, limits.maximum);
        mainBuffer_.setScrollbackLimit(lines);
        chatBuffer_.setScrollbackLimit(lines);
        break;
    }
    case setting::skillsOpen:
        windows_.skillsShown = settings.isOn(setting::skillsOpen);
        break;
    default:
        break;
    }
}

bool Client::saveSettings() {
    saveCommandHistory();
    return preferences_.SavePreferences(workingDirectory_, reporting_);
}

std::vector<std::string> Client::completionCandidates() const {
    return vesk::completionCandidates(who_, chat_.recentSpeakers(), mainBuffer_);
}

// Once the server names a character, the history is that character's: what it typed in
// earlier sessions. What was typed before the login is left out: on a server that does not
// switch its echo off at the password prompt, the password is among it. Another character's
// commands are written to its own file first.
void Client::followCharacterHistory() {
    if (!connection_.session().loggedIn || log_.characterName().empty() ||
        log_.characterName() == historyCharacter_) {
        return;
    }
    saveCommandHistory();
    historyCharacter_ = log_.characterName();
    sender_.history().replaceEntries(
        HistoryFile::read(HistoryFile::pathFor(workingDirectory_, historyCharacter_)));
}

void Client::saveCommandHistory() {
    if (historyCharacter_.empty()) {
        return;
    }
    HistoryFile::write(HistoryFile::pathFor(workingDirectory_, historyCharacter_),
                       sender_.history().entries());
}

std::string Client::title() const {
    if (!connection_.connected()) {
        return title_ + reconnection_.titleSuffix(host_.milliseconds());
    }
    const Connection::Target& target = connection_.target();
    ConnectedTitle facts;
    facts.siteName = target.siteName;
    if (hostShownInTitle_) {
        facts.otherServer = target.hostName + ":" + target.portText;
    }
    facts.developmentSite = connection_.IsDevelopmentSite();
    if (connection_.session().loggedIn) {
        facts.characterName = log_.characterName();
    }
    facts.transferSuffix = transfer_.titleSuffix();
    return composeConnectedTitle(facts);
}

void Client::setTitle(std::string title) {
    title_ = std::move(title);
    host_.changed(Change::Title);
}

bool Client::ConnectToSite(std::string_view hostName, std::string_view portText,
                           std::string_view siteName) {
    // A second attempt while one is under way would race the first, so it is refused too.
    if (connection_.phase() != Connection::Phase::NotConnected) {
        reporting_.warningBox("Disconnect first");
        return false;
    }
    // The player's own connect ends any wait to reconnect; an attempt goes on as one.
    if (!reconnection_.attempting()) {
        reconnection_.stop();
    }
    connection_.setTarget(hostName, portText, siteName);
    if (!connection_.portNumber()) {
        reporting_.fatalError("Port should be a number");
        return false;
    }
    connection_.setPhase(Connection::Phase::Resolving);
    setTitle("Vesk - Preparing to Connect ..");
    return true;
}

void Client::onHostLookupFailed() {
    connection_.setPhase(Connection::Phase::NotConnected);
    if (!reconnectAttemptFailed()) {
        reporting_.warningBox("Unknown host");
    }
    setTitle("Vesk - Not Connected");
}

void Client::onConnecting() {
    connection_.setPhase(Connection::Phase::Connecting);
    setTitle("Vesk - Connecting ..");
}

void Client::onConnectFailed() {
    connection_.setPhase(Connection::Phase::NotConnected);
    if (!reconnectAttemptFailed()) {
        reporting_.warningBox("Failed to connect to FenmarchMUD");
    }
    setTitle("Vesk - Not Connected");
}

// A failed attempt to reconnect gets one line in the output instead of a box, which would
// stop the player at every attempt of a server that is down. False when no attempt was
// under way.
bool Client::reconnectAttemptFailed() {
    if (!reconnection_.attempting()) {
        return false;
    }
    addNotice("[31m", reconnection_.attemptFailed(host_.milliseconds()), 0);
    host_.changed(Change::Menu);
    return true;
}

// A notice in colour: the colour, the text, a colour reset and a trailing ESC, followed by
// empty lines so the server's text starts below it.
void Client::addNotice(std::string_view colour, std::string_view text, int emptyLines) {
    mainBuffer_.AddString(formatText("\x1b%.*s%.*s\x1b[0;37;40m\x1b",
                                     static_cast<int>(colour.size()), colour.data(),
                                     static_cast<int>(text.size()), text.data()));
    for (int line = 0; line < emptyLines; ++line) {
        mainBuffer_.AddString("\n");
    }
    host_.changed(Change::MainBuffer);
}

void Client::onConnected() {
    telnet_.reset();
    typedText_.onConnected();
    receivePath_.reset();
    connection_.setPhase(Connection::Phase::Connected);
    reconnection_.connectionMade();
    addNotice("[33m", "Connected!", 2);
    startLogSection();
    host_.changed(Change::Title);
    router_.revokeCodingAccess();
    host_.changed(Change::Menu);
}

// A new connection opens a new section of the log, under the same character when one is known.
void Client::startLogSection() {
    log_.connectionMade();
    const std::string character = log_.characterName();
    if (!character.empty()) {
        log_.SetCharacterName("");
        log_.SetCharacterName(character);
    }
}

void Client::onReceived(std::string_view bytes) {
    if (bytes.empty()) {
        return;
    }
    const std::uint32_t arrived = host_.milliseconds();
    const SessionLog::HeldWrites oneAppendPerRead(log_);
    received_.clear();
    telnet_.filter(bytes, received_);
    typedText_.watch(received_);
    log_.setInputHidden(telnet_.serverEchoes());
    if (receivePath_.receive(received_)) {
        host_.changed(Change::MainBuffer);
    }
    followCharacterHistory();
    lag_.onReply(arrived, host_.milliseconds());
}

void Client::onReadError() {
    reporting_.appendToDiagnosticLog("CMUDSocket::OnReceive: Error!\n");
    OnConnectionEnded(false);
}

void Client::OnConnectionEnded(bool byExit) {
    if (connection_.phase() == Connection::Phase::NotConnected) {
        return;
    }
    const bool characterLoggedIn = connection_.session().loggedIn;
    saveCommandHistory();
    connection_.setPhase(Connection::Phase::NotConnected);
    autoLogin_.setLoggedIn(false);
    lag_.onConnectionEnded();
    host_.changed(Change::LagMeter);
    // An echo the server switched off ends with its connection, so nothing typed after a
    // hang-up at the password prompt is hidden.
    telnet_.reset();
    log_.setInputHidden(false);
    if (byExit) {
        reconnection_.stop();
        return;
    }
    log_.SetCharacterName("");
    addNotice("[31m", "Connection closed.", 1);
    reconnection_.connectionLost(characterLoggedIn, host_.milliseconds());
    setTitle("Vesk - Not Connected");
    host_.changed(Change::Menu);
    if (preferences_.settings.isOn(setting::displayLoginAtDisconnect)) {
        host_.openLoginDialog();
    }
}

void Client::playerDisconnected() {
    OnConnectionEnded(false);
    reconnection_.stop();
    host_.changed(Change::Title);
    host_.changed(Change::Menu);
}

bool Client::onWakeUp(bool loginDialogAsking) {
    const bool attemptNow = reconnection_.wakeUp(host_.milliseconds(), loginDialogAsking);
    host_.changed(Change::Title);
    return attemptNow;
}

std::string Client::describeStatus() {
    std::string words = vesk::describeStatus(status_);
    // A row of its own, complete, so the server's next text does not continue it.
    mainBuffer_.AddString(
        formatText("\x1b[36m%.*s\x1b[0;37;40m\n", static_cast<int>(words.size()), words.data()));
    host_.changed(Change::MainBuffer);
    return words;
}

void Client::skillsWindowShown(bool shown) {
    preferences_.settings.setNumber(setting::skillsOpen, shown ? 1 : 0);
    if (shown && connection_.connected() && !status_.characterName().empty()) {
        skills_.requestListing(connection_);
    }
}

void Client::Refresh() {
    if (connection_.connected() && !status_.characterName().empty()) {
        connection_.DoSend(std::string("vesk init ").append(clientVersion));
    }
}

} // namespace vesk
