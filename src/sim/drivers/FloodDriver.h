#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>

#include <string_view>

namespace vesk::sim {

class FragmentingWriter;

// The load generator for the client's throughput benchmarks (--flood FILE --repeat N): after
// login it writes the file N times as fast as the socket takes it, then the end marker line,
// and prints the rate it achieved once the last byte has been handed to the network.
class FloodDriver : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 backlogLimit = 1 << 20;
    // The file goes out in pieces, so a file larger than the writer's limit for a slow client
    // is sent as well as a small one.
    static constexpr qint64 pieceBytes = 256 * 1024;
    static constexpr std::string_view endMarker = "<<< vesk-sim flood end >>>";

    FloodDriver(FragmentingWriter& writer, QByteArray data, int repeat, QObject* parent = nullptr);
    void start();

signals:
    void finished();

private:
    void fill();
    void report();

    FragmentingWriter& writer;
    QByteArray data;
    int repeat;
    int copiesWritten = 0;
    qint64 writtenOfCopy = 0;
    bool markerWritten = false;
    bool done = false;
    QElapsedTimer clock;
};

} // namespace vesk::sim
