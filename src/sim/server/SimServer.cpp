#include "server/SimServer.h"

#include "base/SimLog.h"
#include "drivers/ScriptPlayer.h"
#include "server/WhoService.h"
#include "session/GameSession.h"
#include "world/SimulatedPlayers.h"
#include "world/World.h"

#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>

namespace vesk::sim {

SimServer::SimServer(SimOptions options, QObject* parent)
    : QObject(parent), options(std::move(options)), world(new World(this)) {}

// Sessions refer to the world; they go first.
SimServer::~SimServer() {
    for (auto* session : findChildren<GameSession*>(Qt::FindDirectChildrenOnly)) {
        delete session;
    }
}

bool SimServer::start() {
    if (!loadFiles()) {
        return false;
    }
    connect(&gamePort, &PortListener::clientArrived, this,
            [this](QTcpSocket* socket) { gameClient(socket, false); });
    connect(&develPort, &PortListener::clientArrived, this,
            [this](QTcpSocket* socket) { gameClient(socket, true); });
    connect(&whoPort, &PortListener::clientArrived, this, &SimServer::whoClient);
    if (!openPort(gamePort, options.gamePort) || !openPort(whoPort, options.whoPort) ||
        !openPort(develPort, options.develPort)) {
        return false;
    }
    if (script.empty()) {
        players = new SimulatedPlayers(*world, options.chatterMilliseconds, options.seed, this);
    }
    logLine("ready");
    return true;
}

bool SimServer::loadFiles() {
    for (const auto* name : {&options.scriptFile, &options.floodFile}) {
        if (name->isEmpty()) {
            continue;
        }
        QFile file(*name);
        if (!file.open(QIODevice::ReadOnly)) {
            logLine("cannot read " + name->toStdString() + ": " + file.errorString().toStdString());
            return false;
        }
        const auto content = file.readAll();
        if (name == &options.floodFile) {
            floodData = content;
            continue;
        }
        auto parsed = ScriptParser::parse(std::string_view(content.constData(), content.size()));
        if (!parsed.ok() || parsed.steps.empty()) {
            logLine("script " + name->toStdString() + ": " +
                    (parsed.ok() ? std::string("has no steps") : parsed.error));
            return false;
        }
        script = std::move(parsed.steps);
    }
    return true;
}

bool SimServer::openPort(PortListener& listener, quint16 port) {
    const QHostAddress address(options.host);
    if (address.isNull() || !listener.listen(address, port)) {
        logLine("cannot listen on " + options.host.toStdString() + " port " + std::to_string(port) +
                " for " + listener.label() + ": " + listener.errorText().toStdString());
        return false;
    }
    logLine(listener.label() + " port " + std::to_string(listener.port()));
    return true;
}

unsigned SimServer::seedFor(int client) const {
    return options.seed + static_cast<unsigned>(client);
}

void SimServer::gameClient(QTcpSocket* socket, bool developmentSite) {
    const int number = ++clients;
    logLine("client " + std::to_string(number) + " connected to the " +
            (developmentSite ? "devel" : "game") + " port");
    if (!script.empty()) {
        scriptClient(socket);
        return;
    }
    auto* session = new GameSession(socket, number, developmentSite,
                                    {accounts, *world, files, help, options, floodData}, this);
    session->start();
}

void SimServer::whoClient(QTcpSocket* socket) {
    const int number = ++clients;
    logLine("client " + std::to_string(number) + " asked who is online");
    WhoService::serve(socket, world->who(), options.fragmentProbability, seedFor(number));
}

void SimServer::scriptClient(QTcpSocket* socket) {
    if (scriptStarted) {
        logLine("script: already playing to another client; hanging up");
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        return;
    }
    scriptStarted = true;
    auto* player =
        new ScriptPlayer(socket, script, options.fragmentProbability, seedFor(clients), this);
    connect(player, &ScriptPlayer::finished, this, &SimServer::scriptFinished);
    player->start();
}

} // namespace vesk::sim
