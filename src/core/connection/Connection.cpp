#include "connection/Connection.h"

#include "common/TextFields.h"

#include <cctype>

namespace vesk {

Connection::Connection(Host& host, Reporting& reporting, LagMeter& lag)
    : host_(host), reporting_(reporting), lag_(lag) {}

long Connection::DoSend(std::string_view text) {
    if (text.size() > sendLimit) {
        text = text.substr(0, sendLimit);
        reporting_.warningBox(
            "CMUDSocket::DoSend\nExceeded maximum socket buffer length.\nTell Quill "
            "that you saw this, and what you were doing when it happened.");
    }
    // Nothing to say puts nothing on the wire: the server would not answer it, so it must
    // not wait in the lag meter for a reply either.
    if (text.empty()) {
        return 0;
    }
    std::string wire(text);
    if (wire.back() != '\n') {
        wire.push_back('\n');
    }
    const long result = host_.sendToServer(wire);
    lag_.onSend(host_.milliseconds());
    return result;
}

void Connection::setTarget(std::string_view hostName, std::string_view portText,
                           std::string_view siteName) {
    target_.hostName.assign(hostName.substr(0, targetFieldLimit));
    target_.portText.assign(portText.substr(0, targetFieldLimit));
    target_.siteName.assign(siteName.substr(0, targetFieldLimit));
}

std::optional<std::uint16_t> Connection::portNumber() const {
    const std::string& text = target_.portText;
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front()))) {
        return std::nullopt;
    }
    unsigned long value = 0;
    for (char digit : text) {
        if (!std::isdigit(static_cast<unsigned char>(digit)) || value > 65535) {
            break;
        }
        value = value * 10 + static_cast<unsigned long>(digit - '0');
    }
    if (value > 65535) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

bool Connection::IsDevelopmentSite() const {
    return equalsIgnoringCase(target_.siteName, "FenmarchDevel");
}

void Connection::setPhase(Phase phase) {
    phase_ = phase;
    session_.connected = phase == Phase::Connected;
    session_.loginStartSent = false;
    if (phase != Phase::Connected) {
        session_.loggedIn = false;
    }
}

} // namespace vesk
