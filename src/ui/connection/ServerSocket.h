#pragma once

#include "connection/ReadSlicing.h"

#include <QEvent>
#include <QObject>
#include <QTcpSocket>

#include <functional>
#include <string_view>

namespace vesk {

class Client;

// What the socket asks of the desktop around a read: whether reads must wait (a modal box the
// core opened is up, and a read must not re-enter the core half-way through a line), and a
// read run so that the windows it touches refresh once for it.
class ReadGate {
public:
    virtual ~ReadGate() = default;
    virtual bool readsHeld() const = 0;
    virtual void runRead(const std::function<void()>& read) = 0;
};

// The one TCP connection to the game server. It turns the socket's progress into the core's
// connection events and hands every read to the core; nothing else touches the socket.
// Resolution and connect are asynchronous, so the window never waits on the network; Nagle's
// delay is off so a key press reaches the server at once.
//
// A flood is read in slices: after each slice the event loop gets a turn (paints, key presses)
// before the next, so typing stays responsive however fast the server writes; a slice is sized
// to take about the same time whatever the text. The socket holds
// at most `readBufferBytes` the client has not taken yet: a server that writes faster than the
// window takes its text waits in TCP flow control instead of filling the client's memory.
class ServerSocket : public QObject {
    Q_OBJECT
public:
    ServerSocket(Client& client, ReadGate& gate, QObject* parent = nullptr);

    // Starts a connection; the core refuses (with its own message) while one exists.
    void connectToSite(const QString& hostName, quint16 port, const QString& siteName);
    // Disconnect command: the connection ends with its "Connection closed." notice.
    void disconnectFromServer();
    // Exit: the connection ends at once and quietly.
    void closeForExit();

    long send(std::string_view bytes);
    // Reads held back while the gate was closed are picked up.
    void resumeReads() { scheduleRead(); }

    static constexpr qint64 readBufferBytes = 1024 * 1024;

protected:
    bool event(QEvent* event) override;

private:
    static QEvent::Type flushEvent();
    void onConnected();
    void onError(QAbstractSocket::SocketError error);
    void onDisconnected();
    void readPending();
    void scheduleRead();
    void deliver(const QByteArray& bytes);
    void readSlice();

    Client& client_;
    ReadGate& gate_;
    QTcpSocket socket_;
    // One slice's room, kept from read to read so a flood allocates nothing per slice.
    QByteArray slice_;
    ReadSlicing slicing_;
    bool reading_ = false;
    bool readScheduled_ = false;
    bool ending_ = false;
    bool flushPosted_ = false;
};

} // namespace vesk
