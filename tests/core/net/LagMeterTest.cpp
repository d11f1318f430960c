#include "net/LagMeter.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(LagMeter, ReadoutAndBarFollowTheLastReply) {
    LagMeter meter;
    EXPECT_EQ(meter.readoutText(false), "Lag-o-Meter: 0.000 s");
    EXPECT_EQ(meter.barFill(200), 0);
    meter.onSend(1000);
    meter.onReply(1250);
    EXPECT_EQ(meter.readoutText(false), "Lag-o-Meter: 0.250 s");
    EXPECT_EQ(meter.readoutText(true), "Lag: 0.250 s");
    EXPECT_EQ(meter.barColour(), (Rgb{12, 255, 0}));
    EXPECT_EQ(meter.barFill(400), 9);
}

TEST(LagMeter, BarColourAcrossTheRange) {
    struct Case {
        std::uint32_t lag;
        Rgb colour;
        int fillOf1000;
    };
    const Case cases[] = {
        {2000, {101, 255, 0}, 199},
        {7500, {255, 127, 0}, 749},
        {20000, {255, 0, 0}, 1000},
        {10000, {255, 0, 0}, 999},
    };
    for (const auto& c : cases) {
        LagMeter meter;
        meter.onSend(0);
        meter.onReply(c.lag);
        EXPECT_EQ(meter.barColour(), c.colour) << c.lag;
        EXPECT_EQ(meter.barFill(1000), c.fillOf1000) << c.lag;
    }
}

TEST(LagMeter, SeveralSendsAreConsumedOneReplyAtATimeFromTheLatestSend) {
    LagMeter meter;
    meter.onSend(100);
    meter.onSend(200);
    meter.onSend(300);
    meter.onReply(350);
    EXPECT_EQ(meter.lagMilliseconds(), 50u);
    meter.onReply(900);
    meter.onReply(1000);
    EXPECT_EQ(meter.lagMilliseconds(), 700u);
    EXPECT_EQ(meter.pendingSends(), 0u);
    meter.onReply(5000);
    EXPECT_EQ(meter.lagMilliseconds(), 700u);
}

TEST(LagMeter, ClockWrapsAround) {
    LagMeter meter;
    meter.onSend(0xFFFFFF00u);
    meter.onReply(0x100u);
    EXPECT_EQ(meter.lagMilliseconds(), 0x200u);
}

TEST(LagMeter, DisplaySelection) {
    using Display = LagMeter::Display;
    EXPECT_EQ(LagMeter::SelectLagDisplay(false, false, true), Display::None);
    EXPECT_EQ(LagMeter::SelectLagDisplay(true, false, false), Display::MainWindow);
    EXPECT_EQ(LagMeter::SelectLagDisplay(true, true, true), Display::StatusWindow);
    EXPECT_EQ(LagMeter::SelectLagDisplay(true, true, false), Display::None);
}

} // namespace
} // namespace vesk
