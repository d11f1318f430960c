#pragma once

#include "common/Rgb.h"

#include <cstdint>
#include <string>

namespace vesk {

// How long the server took to answer: from the latest send to the next read that arrived after
// it. Several sends before one reply are consumed one read at a time, and the measurement
// always starts at the latest send. The clock wraps at 2^32, so the lag is an unsigned
// difference.
class LagMeter {
public:
    // Where the once-a-second refresh writes, decided by the status window's settings.
    enum class Display { None, MainWindow, StatusWindow };

    void onSend(std::uint32_t now);
    // A read of at least one byte arrived.
    void onReply(std::uint32_t now);

    std::uint32_t lagMilliseconds() const { return replyEnd_ - replyStart_; }
    // "Lag-o-Meter: 0.250 s", or "Lag: 0.250 s" in the narrow status window.
    std::string readoutText(bool narrow) const;
    // Green turning yellow up to five seconds, yellow turning red up to ten.
    Rgb barColour() const;
    // Pixels of a bar of the given width that are filled (ten seconds fill it).
    int barFill(int width) const;

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
};

} // namespace vesk
