#pragma once

#include "base/SimOptions.h"
#include "drivers/ScriptParser.h"
#include "server/PortListener.h"
#include "world/AccountBook.h"
#include "world/FileTree.h"
#include "world/HelpLibrary.h"

#include <QByteArray>
#include <QObject>

#include <memory>
#include <vector>

class QTcpSocket;

namespace vesk::sim {

class SimulatedPlayers;
class World;

// The whole simulator: opens the three ports, prints their numbers, and gives each new
// connection what its port offers: the game (or, with --script, the test script) on the game
// and development ports, the who's-online answer on the who port.
class SimServer : public QObject {
    Q_OBJECT

public:
    explicit SimServer(SimOptions options, QObject* parent = nullptr);
    ~SimServer() override;

    // Loads the script or flood file, listens and prints the port lines; false (with the reason
    // logged) when something is missing or a port cannot be opened.
    bool start();

signals:
    // With --script: the one scripted conversation is over.
    void scriptFinished(bool passed);

private:
    bool loadFiles();
    bool openPort(PortListener& listener, quint16 port);
    void gameClient(QTcpSocket* socket, bool developmentSite);
    void whoClient(QTcpSocket* socket);
    void scriptClient(QTcpSocket* socket);
    unsigned seedFor(int client) const;

    SimOptions options;
    AccountBook accounts;
    FileTree files;
    HelpLibrary help;
    World* world;
    SimulatedPlayers* players = nullptr;
    std::vector<ScriptStep> script;
    bool scriptStarted = false;
    QByteArray floodData;
    PortListener gamePort{"game"};
    PortListener whoPort{"who"};
    PortListener develPort{"devel"};
    int clients = 0;
};

} // namespace vesk::sim
