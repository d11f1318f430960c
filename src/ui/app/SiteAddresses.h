#pragma once

#include <QString>

namespace vesk {

// Where the three sites of the game server are: one host, three ports. The demo points them at
// its own simulator. A host the player names on the command line is another server than
// FenmarchMUD's own site, so the title names it while connected.
struct SiteAddresses {
    QString hostName = "fenmarch.example.net";
    quint16 gamePort = 3000;
    quint16 whoPort = 3005;
    quint16 developmentPort = 3333;
    bool fenmarchSite = true;
};

} // namespace vesk
