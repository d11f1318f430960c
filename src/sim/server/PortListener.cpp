#include "server/PortListener.h"

#include <QTcpSocket>

namespace vesk::sim {

PortListener::PortListener(std::string label, QObject* parent)
    : QObject(parent), name(std::move(label)) {
    connect(&server, &QTcpServer::newConnection, this, &PortListener::acceptAll);
}

bool PortListener::listen(const QHostAddress& address, quint16 port) {
    return server.listen(address, port);
}

void PortListener::acceptAll() {
    while (auto* socket = server.nextPendingConnection()) {
        // Small writes must leave at once, or the pieces that --fragment cuts arrive together.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        emit clientArrived(socket);
    }
}

} // namespace vesk::sim
