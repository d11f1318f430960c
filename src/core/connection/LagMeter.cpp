#include "connection/LagMeter.h"

#include "common/TextFormat.h"

#include <algorithm>

namespace vesk {
namespace {

// The meter's factor has always been the single-precision 0.0001, a hair below the decimal
// value; the bar's colours at round lags (2 s gives 101, not 102) depend on it.
constexpr double fillFactor = static_cast<double>(0.0001f);

} // namespace

void LagMeter::onSend(std::uint32_t now) {
    sendTime_ = now;
    ++pendingSends_;
}

void LagMeter::onReply(std::uint32_t arrived, std::uint32_t handled) {
    if (pendingSends_ == 0) {
        return;
    }
    // The clock wraps, so "sent after the read arrived" is a signed difference.
    const bool sentWhileHandled = static_cast<std::int32_t>(sendTime_ - arrived) > 0;
    replyStart_ = sendTime_;
    replyEnd_ = sentWhileHandled ? handled : arrived;
    pendingSends_ = 0;
    current_ = true;
}

void LagMeter::onConnectionEnded() {
    pendingSends_ = 0;
    current_ = false;
}

std::string LagMeter::readoutText(bool narrow) const {
    if (!current_) {
        return narrow ? "Lag: -" : "Lag-o-Meter: -";
    }
    const double seconds = lagMilliseconds() * 0.001;
    return formatText(narrow ? "Lag: %.3f s" : "Lag-o-Meter: %.3f s", seconds);
}

double LagMeter::fillFraction() const {
    return std::clamp(lagMilliseconds() * fillFactor, 0.0, 1.0);
}

Rgb LagMeter::barColour() const {
    const double fraction = fillFraction();
    if (fraction <= 0.5) {
        return {static_cast<int>(510.0 * fraction), 255, 0};
    }
    return {255, static_cast<int>(510.0 * (1.0 - fraction)), 0};
}

int LagMeter::barFill(int width) const {
    if (!current_) {
        return 0;
    }
    return static_cast<int>(width * fillFraction());
}

LagMeter::Display LagMeter::SelectLagDisplay(bool statusWindowOpen, bool statusWindowFloats,
                                             bool floatingWindowExists) {
    if (!statusWindowOpen) {
        return Display::None;
    }
    if (statusWindowFloats) {
        return floatingWindowExists ? Display::StatusWindow : Display::None;
    }
    return Display::MainWindow;
}

} // namespace vesk
