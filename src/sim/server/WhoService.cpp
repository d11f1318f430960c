#include "server/WhoService.h"

#include "wire/ControlWriter.h"
#include "wire/FragmentingWriter.h"
#include "wire/TelnetWriter.h"
#include "world/WhoTable.h"

#include <QTcpSocket>

namespace vesk::sim {

void WhoService::serve(QTcpSocket* socket, const std::vector<WhoEntry>& entries,
                       double cutProbability, unsigned seed) {
    // The writer lives as long as the socket, which deletes itself once closed.
    auto* writer = new FragmentingWriter(*socket, cutProbability, seed, socket);
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    TelnetWriter text(*writer);
    ControlWriter control(text);
    control.send("LOGON", "ClearNames");
    for (const auto& entry : entries) {
        control.logon(entry);
    }
    for (const auto& line : WhoTable::format(entries)) {
        text.line(line);
    }
    writer->closeAfterWriting();
}

} // namespace vesk::sim
