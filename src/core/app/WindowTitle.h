#pragma once

#include <string>

namespace vesk {

// What the main window's title says while a connection is open. Until the server names the
// character the title says where the client is connected; once it has, it reads "Vesk (Name)"
// ("DEVEL (Name)" on the development site). On a server other than FenmarchMUD's own site
// (the player chose another host) the host and port stay in the title, so a server that never
// names the character still shows where the session is.
struct ConnectedTitle {
    std::string siteName;    // "FenmarchMUD" or "FenmarchDevel"
    std::string otherServer; // "host:port" on another server; empty on FenmarchMUD's site
    bool developmentSite = false;
    std::string characterName;  // empty until the server names the character
    std::string transferSuffix; // the online editor's progress, e.g. " (OED: Receiving)"
};

// "Vesk - Connected to FenmarchMUD", "Vesk - Connected to mud.example.org:3000",
// "Vesk (Tamsin)", "Vesk (Tamsin) - mud.example.org:3000", each with the transfer's progress
// appended.
std::string composeConnectedTitle(const ConnectedTitle& facts);

} // namespace vesk
