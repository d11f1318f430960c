#include "app/WindowTitle.h"

namespace vesk {

std::string composeConnectedTitle(const ConnectedTitle& facts) {
    if (facts.characterName.empty() && facts.transferSuffix.empty()) {
        return "Vesk - Connected to " +
               (facts.otherServer.empty() ? facts.siteName : facts.otherServer);
    }
    std::string title = facts.developmentSite ? "DEVEL" : "Vesk";
    if (!facts.characterName.empty()) {
        title += " (" + facts.characterName + ")";
    }
    if (!facts.otherServer.empty()) {
        title += " - " + facts.otherServer;
    }
    return title + facts.transferSuffix;
}

} // namespace vesk
