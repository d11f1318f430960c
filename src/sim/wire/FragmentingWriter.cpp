#include "wire/FragmentingWriter.h"

#include <QTcpSocket>

namespace vesk::sim {

FragmentingWriter::FragmentingWriter(QTcpSocket& socket, double cutProbability, unsigned seed,
                                     QObject* parent)
    : QObject(parent), socket(socket), cutProbability(cutProbability), random(seed) {
    pauseTimer.setSingleShot(true);
    pauseTimer.setInterval(pauseMilliseconds);
    connect(&pauseTimer, &QTimer::timeout, this, &FragmentingWriter::endPause);
    connect(&socket, &QTcpSocket::bytesWritten, this, &FragmentingWriter::progressed);
}

void FragmentingWriter::write(const QByteArray& bytes) {
    if (bytes.isEmpty() || closing) {
        return;
    }
    if (backlog() + bytes.size() > maxBacklog) {
        closing = true;
        queue.clear();
        queuedBytes = 0;
        // Later, not here: a write may come from deep inside a broadcast to many clients.
        QMetaObject::invokeMethod(&socket, &QTcpSocket::abort, Qt::QueuedConnection);
        return;
    }
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    if (bytes.size() >= 2 && chance(random) < cutProbability) {
        std::uniform_int_distribution<qsizetype> cutAt(1, bytes.size() - 1);
        const auto cut = cutAt(random);
        queue.push_back({bytes.left(cut), false});
        queue.push_back({bytes.mid(cut), true});
    } else {
        queue.push_back({bytes, false});
    }
    queuedBytes += bytes.size();
    release();
}

qint64 FragmentingWriter::backlog() const {
    return queuedBytes + socket.bytesToWrite();
}

void FragmentingWriter::closeAfterWriting() {
    closing = true;
    release();
}

void FragmentingWriter::release() {
    if (pauseTimer.isActive()) {
        return;
    }
    while (!queue.empty()) {
        if (queue.front().pauseBefore) {
            // Push the first part onto the wire now so the second lands in a later read.
            socket.flush();
            pauseTimer.start();
            return;
        }
        if (socket.state() == QAbstractSocket::ConnectedState) {
            socket.write(queue.front().bytes);
        }
        queuedBytes -= queue.front().bytes.size();
        queue.pop_front();
    }
    if (closing && socket.state() == QAbstractSocket::ConnectedState) {
        socket.disconnectFromHost();
    }
}

void FragmentingWriter::endPause() {
    if (!queue.empty()) {
        queue.front().pauseBefore = false;
    }
    release();
}

} // namespace vesk::sim
