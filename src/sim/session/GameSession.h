#pragma once

#include "commands/CommandContext.h"
#include "commands/CommandGroup.h"
#include "session/LoginFlow.h"
#include "session/SessionServices.h"
#include "wire/CommandReader.h"
#include "wire/ControlWriter.h"
#include "wire/FragmentingWriter.h"
#include "wire/TelnetWriter.h"
#include "world/CharacterLink.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <memory>
#include <string>
#include <vector>

class QTcpSocket;

namespace vesk::sim {

class FloodDriver;

// One client on the game or development port: reads its lines, runs the login conversation,
// then offers every command to its command groups and keeps the prompt current. It is the
// character's link to the world while connected; a lost connection leaves the character
// link-dead in the world and deletes the session.
class GameSession : public QObject, public CharacterLink, public CommandContext {
    Q_OBJECT

public:
    GameSession(QTcpSocket* socket, int clientNumber, bool developmentSite,
                SessionServices services, QObject* parent = nullptr);
    ~GameSession() override;

    void start();

    // What the commands see of the session.
    TelnetWriter& text() override { return telnet; }
    ControlWriter& control() override { return controls; }
    bool inGame() const override { return playing != nullptr; }
    CharacterState& character() override { return *playing; }
    const CharacterLink& link() const override { return *this; }
    World& world() override { return shared.world; }
    FileTree& files() override { return shared.files; }
    const HelpLibrary& help() const override { return shared.help; }
    const SimOptions& options() const override { return shared.options; }
    int clientNumber() const override { return number; }
    void log(const std::string& event) const override;
    void refreshPrompt() override;
    void leaveGame() override;

    // How the world reaches the player.
    void showLine(const std::string& line) override;
    void playerLoggedOn(const WhoEntry& entry) override;
    void playerLoggedOff(const std::string& name) override;
    void takenOver() override;

private:
    void hangUp();
    void readClient();
    void takeLine(const ReceivedLine& line);
    void takeLoginLine(const std::string& line);
    void askPassword(const std::string& greeting);
    void completeLogin();
    void startFlood();
    void finishFlood();
    void runCommand(const std::string& line);
    void showPrompt();
    void connectionLost();

    QTcpSocket* socket;
    int number;
    bool developmentSite;
    SessionServices shared;
    CommandReader reader;
    FragmentingWriter writer;
    TelnetWriter telnet;
    ControlWriter controls;
    LoginFlow login;
    CharacterState* playing = nullptr;
    std::vector<std::unique_ptr<CommandGroup>> groups;
    QTimer promptTimer;
    FloodDriver* flood = nullptr;
    std::deque<std::string> heldDuringFlood; // at most maxHeldLines
    static constexpr std::size_t maxHeldLines = 1000;
    bool hangingUp = false;
};

} // namespace vesk::sim
