#include "connection/ServerSocket.h"

#include "app/Client.h"
#include "common/TextBoundary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

namespace vesk {

ServerSocket::ServerSocket(Client& client, ReadGate& gate, QObject* parent)
    : QObject(parent), client_(client), gate_(gate) {
    socket_.setReadBufferSize(readBufferBytes);
    connect(&socket_, &QTcpSocket::hostFound, this, [this] { client_.onConnecting(); });
    connect(&socket_, &QTcpSocket::connected, this, &ServerSocket::onConnected);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &ServerSocket::onError);
    connect(&socket_, &QTcpSocket::disconnected, this, &ServerSocket::onDisconnected);
    connect(&socket_, &QTcpSocket::readyRead, this, &ServerSocket::readPending);
}

void ServerSocket::connectToSite(const QString& hostName, quint16 port, const QString& siteName) {
    if (!client_.ConnectToSite(toBytes(hostName), std::to_string(port), toBytes(siteName))) {
        return;
    }
    ending_ = false;
    socket_.abort();
    socket_.connectToHost(hostName, port);
}

void ServerSocket::onConnected() {
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    client_.onConnected();
    scheduleRead();
}

void ServerSocket::onError(QAbstractSocket::SocketError error) {
    if (ending_) {
        return;
    }
    switch (client_.connection().phase()) {
    case Connection::Phase::Resolving:
        if (error == QAbstractSocket::HostNotFoundError) {
            client_.onHostLookupFailed();
        } else {
            client_.onConnectFailed();
        }
        break;
    case Connection::Phase::Connecting:
        client_.onConnectFailed();
        break;
    case Connection::Phase::Connected:
        if (error == QAbstractSocket::RemoteHostClosedError) {
            onDisconnected();
        } else {
            // A reset or a vanished peer: noted in Vesk.log, the connection ends cleanly.
            ending_ = true;
            client_.onReadError();
        }
        break;
    case Connection::Phase::NotConnected:
        break;
    }
}

void ServerSocket::onDisconnected() {
    if (ending_ || !client_.connection().connected()) {
        return;
    }
    // What the server wrote before it closed is shown before "Connection closed.".
    while (socket_.bytesAvailable() > 0) {
        readSlice();
    }
    ending_ = true;
    client_.OnConnectionEnded(false);
}

// Disconnect ends an open connection; without one it only stops a wait to reconnect.
void ServerSocket::disconnectFromServer() {
    if (client_.connection().connected()) {
        ending_ = true;
        socket_.abort();
    }
    client_.playerDisconnected();
}

void ServerSocket::closeForExit() {
    ending_ = true;
    client_.OnConnectionEnded(true);
    socket_.abort();
}

long ServerSocket::send(std::string_view bytes) {
    if (socket_.state() != QAbstractSocket::ConnectedState) {
        return -1;
    }
    const qint64 written = socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    // The socket itself writes when the event loop next looks at the network, which during a
    // flood comes only after the next slice has been read. The command goes out as soon as the
    // core's send has returned, ahead of the waiting events; not inside the send, so a write
    // that fails is handled from the event loop as before, never in the middle of the core.
    if (!flushPosted_) {
        flushPosted_ = true;
        QCoreApplication::postEvent(this, new QEvent(flushEvent()), Qt::HighEventPriority);
    }
    return static_cast<long>(written);
}

QEvent::Type ServerSocket::flushEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool ServerSocket::event(QEvent* event) {
    if (event->type() != flushEvent()) {
        return QObject::event(event);
    }
    flushPosted_ = false;
    if (socket_.state() == QAbstractSocket::ConnectedState) {
        socket_.flush();
    }
    return true;
}

void ServerSocket::scheduleRead() {
    if (!readScheduled_) {
        readScheduled_ = true;
        QTimer::singleShot(0, this, [this] {
            readScheduled_ = false;
            readPending();
        });
    }
}

void ServerSocket::readPending() {
    if (reading_ || gate_.readsHeld() || !client_.connection().connected()) {
        return;
    }
    reading_ = true;
    readSlice();
    reading_ = false;
    if (socket_.bytesAvailable() > 0) {
        scheduleRead();
    }
}

void ServerSocket::readSlice() {
    const qint64 wanted = slicing_.nextBytes();
    slice_.resize(wanted);
    const qint64 read = socket_.read(slice_.data(), wanted);
    slice_.resize(read > 0 ? read : 0);
    QElapsedTimer took;
    took.start();
    deliver(slice_);
    slicing_.sliceTook(static_cast<long>(slice_.size()),
                       static_cast<long>(took.nsecsElapsed() / 1000));
}

// One read of the socket is one read for the core (the lag meter counts it as one reply); the
// core's work on a read grows with its size alone, and each window it touches refreshes once.
void ServerSocket::deliver(const QByteArray& bytes) {
    if (!bytes.isEmpty()) {
        gate_.runRead(
            [&] { client_.onReceived(std::string_view(bytes.constData(), bytes.size())); });
    }
}

} // namespace vesk
