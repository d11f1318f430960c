#pragma once

#include <QString>

namespace vesk {

// Where the three sites of the game server are: one host, three ports. The demo points them at
// its own simulator.
struct SiteAddresses {
    QString hostName = "fenmarch.example.net";
    quint16 gamePort = 3000;
    quint16 whoPort = 3005;
    quint16 developmentPort = 3333;
};

} // namespace vesk
