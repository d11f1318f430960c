#pragma once

#include "CharacterLink.h"
#include "CommandGroup.h"
#include "CommandReader.h"
#include "ControlWriter.h"
#include "FragmentingWriter.h"
#include "LoginFlow.h"
#include "SessionServices.h"
#include "TelnetWriter.h"

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
class GameSession : public QObject, public CharacterLink {
    Q_OBJECT

public:
    GameSession(QTcpSocket* socket, int clientNumber, bool developmentSite,
                SessionServices services, QObject* parent = nullptr);
    ~GameSession() override;

    void start();

    TelnetWriter& text() { return telnet; }
    ControlWriter& control() { return controls; }
    // Command groups may touch the character only while this holds: a quit, a takeover or a
    // lost connection ends it, and their timers may still fire afterwards.
    bool inGame() const { return playing != nullptr; }
    CharacterState& character() { return *playing; }
    SessionServices& services() { return shared; }
    int clientNumber() const { return number; }
    void log(const std::string& event) const;
    void hangUp();
    void leaveGame();

    void showLine(const std::string& line) override;
    ControlWriter& controlLines() override { return controls; }
    void refreshPrompt() override;
    void takenOver() override;

private:
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
