#include "session/GameSession.h"

#include "base/SimLog.h"
#include "base/SimOptions.h"
#include "base/TextWords.h"
#include "commands/CoderCommands.h"
#include "commands/ExplorationCommands.h"
#include "commands/FightCommands.h"
#include "commands/SocialCommands.h"
#include "commands/VeskCommands.h"
#include "drivers/FloodDriver.h"
#include "world/World.h"

#include <QTcpSocket>

namespace vesk::sim {

GameSession::GameSession(QTcpSocket* socket, int clientNumber, bool developmentSite,
                         SessionServices services, QObject* parent)
    : QObject(parent), socket(socket), number(clientNumber), developmentSite(developmentSite),
      shared(services), writer(*socket, services.options.fragmentProbability,
                               services.options.seed + static_cast<unsigned>(clientNumber), this),
      telnet(writer), controls(telnet), login(services.accounts) {
    socket->setParent(this);
    promptTimer.setSingleShot(true);
    promptTimer.setInterval(0);
    connect(&promptTimer, &QTimer::timeout, this, &GameSession::showPrompt);
    connect(socket, &QTcpSocket::readyRead, this, &GameSession::readClient);
    connect(socket, &QTcpSocket::disconnected, this, &GameSession::connectionLost);
}

GameSession::~GameSession() = default;

void GameSession::start() {
    telnet.openingNegotiation();
    const auto site = developmentSite ? "FenmarchDevel" : "FenmarchMUD";
    telnet.line(
        TelnetWriter::coloured(AnsiColour::Yellow, std::string("Welcome to ") + site + "!"));
    telnet.line("A vesk-sim world. Demo characters: Tamsin (tamsin), Quill (quill, coder).");
    telnet.line("");
    telnet.prompt("What name would you like to use? ");
}

void GameSession::log(const std::string& event) const {
    logLine("client " + std::to_string(number) + " " + event);
}

void GameSession::hangUp() {
    if (hangingUp) {
        return;
    }
    hangingUp = true;
    promptTimer.stop();
    writer.closeAfterWriting();
}

void GameSession::leaveGame() {
    shared.world.quit(*this);
    playing = nullptr;
    hangUp();
}

void GameSession::showLine(const std::string& line) {
    telnet.line(line);
    refreshPrompt();
}

void GameSession::refreshPrompt() {
    promptTimer.start();
}

void GameSession::playerLoggedOn(const WhoEntry& entry) {
    controls.logon(entry);
    refreshPrompt();
}

void GameSession::playerLoggedOff(const std::string& name) {
    controls.send("LOGOFF", name);
    refreshPrompt();
}

void GameSession::takenOver() {
    log("was taken over by a new login");
    telnet.line("Someone logged in as you from elsewhere. Goodbye.");
    playing = nullptr;
    hangUp();
}

void GameSession::readClient() {
    const auto bytes = socket->readAll();
    for (const auto& line : reader.feed(std::string_view(bytes.constData(), bytes.size()))) {
        if (hangingUp) {
            return;
        }
        takeLine(line);
    }
}

void GameSession::takeLine(const ReceivedLine& line) {
    const bool password = !login.loggedIn() && !login.pendingName().empty();
    log(password ? "sent a password"
                 : "sent: " + printable(line.text) + (line.cut ? " (cut)" : ""));
    if (!login.loggedIn()) {
        takeLoginLine(line.text);
    } else if (flood) {
        if (heldDuringFlood.size() < maxHeldLines) {
            heldDuringFlood.push_back(line.text);
        }
    } else {
        runCommand(line.text);
    }
}

void GameSession::takeLoginLine(const std::string& line) {
    switch (login.takeLine(line)) {
    case LoginFlow::Step::Ignored:
        return;
    case LoginFlow::Step::NameRefused:
        telnet.line("Names are 2 to 15 letters and nothing else.");
        telnet.prompt("What name would you like to use? ");
        return;
    case LoginFlow::Step::AskPassword:
        askPassword("Welcome back, " + login.pendingName() + ".");
        return;
    case LoginFlow::Step::AskNewPassword:
        askPassword("A new name! " + login.pendingName() +
                    " will play as a guest. Choose a password.");
        return;
    case LoginFlow::Step::PasswordWrong:
        telnet.showTyping();
        askPassword("Wrong password.");
        return;
    case LoginFlow::Step::TooManyTries:
        telnet.showTyping();
        telnet.line("Too many wrong passwords. Goodbye.");
        hangUp();
        return;
    case LoginFlow::Step::LoggedIn:
        completeLogin();
        return;
    }
}

void GameSession::askPassword(const std::string& greeting) {
    telnet.line(greeting);
    telnet.hideTyping();
    telnet.prompt("Password: ");
}

void GameSession::completeLogin() {
    telnet.showTyping();
    auto& world = shared.world;
    const auto entry = world.enter(login.account(), *this);
    playing = entry.character;
    telnet.line(entry.reconnected ? "Reconnected." : "Allowing login.");
    telnet.line("        >>> Terminal currently set to ansi <<<");
    log("logged in as " + playing->name() + (entry.reconnected ? " (reconnected)" : ""));
    groups.push_back(std::make_unique<CoderCommands>(*this));
    groups.push_back(std::make_unique<VeskCommands>(*this));
    groups.push_back(std::make_unique<FightCommands>(*this));
    groups.push_back(std::make_unique<SocialCommands>(*this));
    groups.push_back(std::make_unique<ExplorationCommands>(*this));
    if (!shared.floodData.isEmpty()) {
        startFlood();
        return;
    }
    telnet.line(TelnetWriter::coloured(AnsiColour::Green, "Welcome, " + playing->name() +
                                                              ". Type 'help' for commands."));
    runCommand("look");
}

void GameSession::startFlood() {
    flood = new FloodDriver(writer, shared.floodData, shared.options.floodRepeat, this);
    connect(flood, &FloodDriver::finished, this, &GameSession::finishFlood);
    flood->start();
}

void GameSession::finishFlood() {
    flood->deleteLater();
    flood = nullptr;
    while (!heldDuringFlood.empty() && !hangingUp) {
        const auto line = std::move(heldDuringFlood.front());
        heldDuringFlood.pop_front();
        runCommand(line);
    }
    refreshPrompt();
}

void GameSession::runCommand(const std::string& line) {
    const CommandLine command{line, splitWords(line)};
    // The client's challenge reply begins with a line feed, so blank lines are normal traffic.
    if (command.words.empty() || !playing) {
        return;
    }
    bool handled = false;
    for (const auto& group : groups) {
        if (group->handle(command)) {
            handled = true;
            break;
        }
    }
    if (!handled) {
        telnet.line("What? Type 'help' for the commands.");
    }
    // The client's own control-channel requests ("vesk init", its challenge reply) are not the
    // player's commands, so no prompt answers them: a login would otherwise end in a row of
    // identical prompts.
    if (command.words.front() != "vesk") {
        showPrompt();
    }
}

void GameSession::showPrompt() {
    promptTimer.stop();
    if (playing && !hangingUp && !flood) {
        telnet.prompt(playing->promptText());
    }
}

void GameSession::connectionLost() {
    if (playing) {
        log("lost its connection; " + playing->name() + " stays link-dead for a while");
        shared.world.detach(*this);
        playing = nullptr;
    } else {
        log("disconnected");
    }
    deleteLater();
}

} // namespace vesk::sim
