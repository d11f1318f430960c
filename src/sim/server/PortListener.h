#pragma once

#include <QObject>
#include <QTcpServer>

#include <string>

class QHostAddress;
class QTcpSocket;

namespace vesk::sim {

// One listening port of the simulator (game, who's-online or development). It hands each new
// connection on and names itself in the "vesk-sim: <label> port <n>" line.
class PortListener : public QObject {
    Q_OBJECT

public:
    explicit PortListener(std::string label, QObject* parent = nullptr);

    // Port 0 picks a free port; port() then tells which.
    bool listen(const QHostAddress& address, quint16 port);
    quint16 port() const { return server.serverPort(); }
    const std::string& label() const { return name; }
    QString errorText() const { return server.errorString(); }

signals:
    void clientArrived(QTcpSocket* socket);

private:
    void acceptAll();

    std::string name;
    QTcpServer server;
};

} // namespace vesk::sim
