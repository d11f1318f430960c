#pragma once

#include "common/Rgb.h"

#include <cstdint>
#include <string>

namespace vesk {

// How long the server took to answer: from the latest send to the next read that arrived after
// it. That read answers every send before it: a login sends more lines than the server answers
// with separate reads, and a send left counted would later measure unrelated chatter against an
// old send (seconds of lag that do not exist). The clock wraps at 2^32, so the lag is an
// unsigned difference. When the connection ends the meter has nothing current to show, and
// says so with a dash until the next connection measures again.
class LagMeter {
public:
    // Where the once-a-second refresh writes, decided by the status window's settings.
    enum class Display { None, MainWindow, StatusWindow };

    void onSend(std::uint32_t now);
    // A read of at least one byte arrived at `arrived` and was handled by `handled`. Its
    // arrival ends the round trip, so a box the read opened while it was handled (a warning,
    // the login dialog) does not count as lag; a send the read's own handling made (a login
    // answer, a control reply) is answered by it, measured to the end of its handling.
    void onReply(std::uint32_t arrived, std::uint32_t handled);
    void onReply(std::uint32_t now) { onReply(now, now); }
    // The connection ended: its unanswered sends are forgotten and the read-out shows a dash.
    void onConnectionEnded();

    std::uint32_t lagMilliseconds() const { return replyEnd_ - replyStart_; }
    // "Lag-o-Meter: 0.250 s", or "Lag: 0.250 s" in the narrow status window; "Lag-o-Meter: -"
    // ("Lag: -") after a disconnect until a reply on a new connection is measured.
    std::string readoutText(bool narrow) const;
    // Green turning yellow up to five seconds, yellow turning red up to ten.
    Rgb barColour() const;
    // Pixels of a bar of the given width that are filled (ten seconds fill it; none while the
    // read-out shows a dash).
    int barFill(int width) const;
    // False after a disconnect, until the next measured reply.
    bool current() const { return current_; }

    static Display SelectLagDisplay(bool statusWindowOpen, bool statusWindowFloats,
                                    bool floatingWindowExists);

    std::uint32_t sendTime() const { return sendTime_; }
    std::uint32_t pendingSends() const { return pendingSends_; }

private:
    double fillFraction() const;

    std::uint32_t sendTime_ = 0;
    std::uint32_t pendingSends_ = 0;
    std::uint32_t replyStart_ = 0;
    std::uint32_t replyEnd_ = 0;
    bool current_ = true;
};

} // namespace vesk
