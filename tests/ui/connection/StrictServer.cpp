#include "StrictServer.h"

#include <QHostAddress>
#include <QStringDecoder>

namespace vesk::uitest {

StrictServer::StrictServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &StrictServer::accept);
}

void StrictServer::accept() {
    client_ = server_.nextPendingConnection();
    connect(client_, &QTcpSocket::readyRead, this, &StrictServer::readCommands);
    client_->write("Welcome to the strict server.\r\n> ");
}

void StrictServer::readCommands() {
    pending_ += client_->readAll();
    for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
        QByteArray command = pending_.left(end);
        pending_.remove(0, end + 1);
        if (command.endsWith('\r')) {
            command.chop(1);
        }
        commands_.push_back(command);
        answer(command);
    }
}

void StrictServer::answer(const QByteArray& command) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(command);
    if (utf8.hasError()) {
        ++refused_;
        client_->write("Your client sent an incorrect UTF-8 sequence.\r\n> ");
        return;
    }
    const QByteArray verb = command.split(' ').front();
    if (verb == "look" || verb == "score" || verb == "inventory") {
        client_->write("You " + verb + " around.\r\n> ");
    } else if (verb == "say") {
        client_->write("You say, \"" + command.mid(4) + "\"\r\n> ");
    } else {
        ++refused_;
        client_->write("Command '" + command.toHex(' ') + "' is not available.\r\n> ");
    }
}

} // namespace vesk::uitest
