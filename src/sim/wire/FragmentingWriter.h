#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <deque>
#include <random>

class QTcpSocket;

namespace vesk::sim {

// The one way bytes reach a client's socket. With a cut probability above 0 (--fragment), each
// write is, with that probability, cut at a random byte and its second part held back for a few
// milliseconds, so the client receives it in a separate read: control lines, telnet sequences
// and colour codes then arrive split, as they do from a busy real server. Order is kept.
class FragmentingWriter : public QObject {
    Q_OBJECT

public:
    static constexpr int pauseMilliseconds = 5;
    // A client that leaves this much unread is not reading at all; it is cut off rather than
    // let its queue eat the server's memory.
    static constexpr qint64 maxBacklog = 64 * 1024 * 1024;

    FragmentingWriter(QTcpSocket& socket, double cutProbability, unsigned seed,
                      QObject* parent = nullptr);

    void write(const QByteArray& bytes);
    // Bytes not yet handed to the network: held back here or waiting in the socket.
    qint64 backlog() const;
    // Hang up once everything written so far has gone out.
    void closeAfterWriting();

signals:
    // The network took some bytes: a good moment to write more.
    void progressed();

private:
    struct Piece {
        QByteArray bytes;
        bool pauseBefore = false;
    };

    void release();
    void endPause();

    QTcpSocket& socket;
    double cutProbability;
    std::mt19937 random;
    std::deque<Piece> queue;
    qint64 queuedBytes = 0;
    QTimer pauseTimer;
    bool closing = false;
};

} // namespace vesk::sim
