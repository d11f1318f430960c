#include "RecordingEvents.h"
#include "SendPathRig.h"
#include "connection/ReceivePath.h"
#include "input/TriggerEngine.h"
#include "protocol/ServerLineParser.h"
#include "status/StatusModel.h"

#include <gtest/gtest.h>

namespace vesk::testing {
namespace {

using Lines = std::vector<std::string>;

// Received text through the real receive path and parser into the trigger engine, whose
// actions go out through the send path and echo into the same buffer.
struct TriggerPipeline {
    SendPathRig rig;
    StatusModel status;
    RecordingEvents events;
    ServerLineParser parser{status, rig.connection, events, rig.connection.session()};
    TriggerEngine engine{rig.preferences, rig.sender, rig.host};
    ReceivePath path{rig.mainBuffer, parser, engine};
};

TEST(TriggerPipelineTest, ColouredLineFiresAndTheEchoFollowsIt) {
    TriggerPipeline pipeline;
    pipeline.rig.preferences.currentProfile().triggers.push_back(
        {"You are hungry", "eat bread", 1});
    pipeline.path.receive("\x1b[33mYou are hungry.\x1b[0m\r\n##VESK REDRAW\nYou are full.\r\n");
    EXPECT_EQ(pipeline.rig.sentLines(), (Lines{"eat bread\n"}));
    const TextBuffer& buffer = pipeline.rig.mainBuffer;
    ASSERT_EQ(buffer.LineCount(), 3);
    EXPECT_EQ(buffer.line(0).handled, 1) << "a fired trigger marks the line recognised";
    EXPECT_EQ(*buffer.GetPlainLine(1), "You are full.");
    EXPECT_EQ(buffer.line(2).text, "eat bread\n");
}

TEST(TriggerPipelineTest, ControlLinesNeverReachTheTriggers) {
    TriggerPipeline pipeline;
    pipeline.rig.preferences.currentProfile().triggers.push_back({"#", "hash", 1});
    pipeline.path.receive("##VESK REDRAW\n## not control\n# comment\n");
    EXPECT_EQ(pipeline.rig.sentLines(), (Lines{"hash\n"}));
}

} // namespace
} // namespace vesk::testing
