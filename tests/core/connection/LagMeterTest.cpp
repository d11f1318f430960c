#include "connection/LagMeter.h"

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

// A login sends name, password and the control-channel request before the server's reads
// answer; the first read answers them all, so chatter that arrives much later is not measured
// against them.
TEST(LagMeter, OneReplyAnswersEverySendBeforeIt) {
    LagMeter meter;
    meter.onSend(100);
    meter.onSend(200);
    meter.onSend(300);
    meter.onReply(350);
    EXPECT_EQ(meter.lagMilliseconds(), 50u);
    EXPECT_EQ(meter.pendingSends(), 0u);
    meter.onReply(30000);
    meter.onReply(60000);
    EXPECT_EQ(meter.lagMilliseconds(), 50u);
    EXPECT_EQ(meter.readoutText(false), "Lag-o-Meter: 0.050 s");
    meter.onSend(70000);
    meter.onReply(70004);
    EXPECT_EQ(meter.lagMilliseconds(), 4u);
}

// A read that opens a box while it is handled (a warning, the login dialog) is still measured to
// its arrival; a send its own handling made is answered by it, to the end of the handling.
TEST(LagMeter, TheRoundTripEndsWhenTheReadArrivesNotWhenItIsHandled) {
    LagMeter meter;
    meter.onSend(1000);
    meter.onReply(1003, 11003);
    EXPECT_EQ(meter.lagMilliseconds(), 3u);
    meter.onSend(12001); // an automatic answer, sent while the read of 12000 was handled
    meter.onReply(12000, 12002);
    EXPECT_EQ(meter.lagMilliseconds(), 1u);
    EXPECT_EQ(meter.pendingSends(), 0u);
    meter.onSend(0xFFFFFFF0u);
    meter.onReply(0x10u, 0x20u);
    EXPECT_EQ(meter.lagMilliseconds(), 0x20u);
}

// After a disconnect the last lag is not shown as if it were current, and the sends the closed
// connection never answered do not measure the next connection's first read.
TEST(LagMeter, DisconnectShowsADashUntilANewReply) {
    LagMeter meter;
    meter.onSend(1000);
    meter.onReply(3000);
    meter.onSend(4000);
    meter.onConnectionEnded();
    EXPECT_FALSE(meter.current());
    EXPECT_EQ(meter.readoutText(false), "Lag-o-Meter: -");
    EXPECT_EQ(meter.readoutText(true), "Lag: -");
    EXPECT_EQ(meter.barFill(400), 0);
    meter.onReply(90000); // the next connection's greeting answers no send
    EXPECT_EQ(meter.readoutText(false), "Lag-o-Meter: -");
    meter.onSend(91000);
    meter.onReply(91012);
    EXPECT_TRUE(meter.current());
    EXPECT_EQ(meter.readoutText(false), "Lag-o-Meter: 0.012 s");
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
