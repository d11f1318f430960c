#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <string>
#include <vector>

namespace vesk::uitest {

// A game server as strict as current ones (Evennia) are: a command is every byte up to a line
// feed, so a zero byte after the line feed begins the next command and makes it unknown, and a
// command that is not valid UTF-8 is refused. Everything else is answered at once.
class StrictServer : public QObject {
    Q_OBJECT
public:
    StrictServer();

    quint16 port() const { return server_.serverPort(); }
    // The commands as they arrived, without their line feeds.
    const std::vector<QByteArray>& commands() const { return commands_; }
    int refused() const { return refused_; }

private:
    void accept();
    void readCommands();
    void answer(const QByteArray& command);

    QTcpServer server_;
    QPointer<QTcpSocket> client_;
    QByteArray pending_;
    std::vector<QByteArray> commands_;
    int refused_ = 0;
};

} // namespace vesk::uitest
