#pragma once

#include <vector>

class QTcpSocket;

namespace vesk::sim {

struct WhoEntry;

// The who's-online port: a client that connects gets "LOGON ClearNames", one LOGON per
// character in the game, the readable who table, and the connection closes.
class WhoService {
public:
    static void serve(QTcpSocket* socket, const std::vector<WhoEntry>& entries,
                      double cutProbability, unsigned seed);
};

} // namespace vesk::sim
