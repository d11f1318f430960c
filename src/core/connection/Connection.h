#pragma once

#include "common/Host.h"
#include "common/LineSender.h"
#include "common/Reporting.h"
#include "connection/LagMeter.h"
#include "protocol/SessionState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vesk {

// The one connection to a site of the game server, as the rest of the client sees it: where
// it goes, how far it has got, whether the server has named the character, and `DoSend`, the
// routine every line leaves through. The socket itself belongs to the front end, which reports
// its progress here.
class Connection : public LineSender {
public:
    enum class Phase { NotConnected, Resolving, Connecting, Connected };

    struct Target {
        std::string hostName;
        std::string portText;
        std::string siteName;
    };

    static constexpr std::size_t sendLimit = 8192;
    static constexpr std::size_t targetFieldLimit = 255;

    Connection(Host& host, Reporting& reporting, LagMeter& lag);

    // Sends one line: the text and a line feed (added unless it ends in one), nothing more; a
    // zero byte after it would begin the next command on servers that read it. An empty text
    // sends nothing and is not counted as waiting for a reply; the result is then 0.
    long DoSend(std::string_view text) override;

    void setTarget(std::string_view hostName, std::string_view portText, std::string_view siteName);
    const Target& target() const { return target_; }
    // The port the target's text names: its leading digits. Nothing when it starts otherwise.
    std::optional<std::uint16_t> portNumber() const;
    bool IsDevelopmentPort() const { return target_.portText == "3333"; }
    bool IsDevelopmentSite() const;

    Phase phase() const { return phase_; }
    void setPhase(Phase phase);
    bool connected() const { return phase_ == Phase::Connected; }
    SessionState& session() { return session_; }
    const SessionState& session() const { return session_; }

private:
    Host& host_;
    Reporting& reporting_;
    LagMeter& lag_;
    Target target_;
    Phase phase_ = Phase::NotConnected;
    SessionState session_;
};

} // namespace vesk
