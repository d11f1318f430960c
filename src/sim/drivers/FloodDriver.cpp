#include "drivers/FloodDriver.h"

#include "base/SimLog.h"
#include "wire/FragmentingWriter.h"

#include <algorithm>
#include <cstdio>

namespace vesk::sim {

FloodDriver::FloodDriver(FragmentingWriter& writer, QByteArray data, int repeat, QObject* parent)
    : QObject(parent), writer(writer), data(std::move(data)), repeat(repeat) {
    connect(&writer, &FragmentingWriter::progressed, this, &FloodDriver::fill);
}

void FloodDriver::start() {
    logLine("flood: sending " + std::to_string(data.size()) + " bytes " + std::to_string(repeat) +
            " times");
    clock.start();
    fill();
}

void FloodDriver::fill() {
    if (done) {
        return;
    }
    // Keep the socket's queue topped up without holding the whole flood in memory.
    while (copiesWritten < repeat && writer.backlog() < backlogLimit) {
        const qint64 piece = std::min(pieceBytes, data.size() - writtenOfCopy);
        writer.write(data.mid(writtenOfCopy, piece));
        writtenOfCopy += piece;
        if (writtenOfCopy == data.size()) {
            writtenOfCopy = 0;
            ++copiesWritten;
        }
    }
    if (copiesWritten == repeat && !markerWritten) {
        writer.write(QByteArray("\r\n") + QByteArray(endMarker.data(), endMarker.size()) + "\r\n");
        markerWritten = true;
    }
    if (markerWritten && writer.backlog() == 0) {
        done = true;
        report();
        emit finished();
    }
}

void FloodDriver::report() {
    const double seconds = std::max<qint64>(clock.elapsed(), 1) / 1000.0;
    const double bytes = static_cast<double>(data.size()) * repeat;
    const double lines = static_cast<double>(data.count('\n')) * repeat;
    char text[200];
    std::snprintf(text, sizeof text, "flood: sent %.0f bytes in %.3f s: %.2f MB/s, %.0f lines/s",
                  bytes, seconds, bytes / seconds / 1e6, lines / seconds);
    logLine(text);
}

} // namespace vesk::sim
