#include "SendPathRig.h"

#include <gtest/gtest.h>

namespace vesk::testing {
namespace {

using Lines = std::vector<std::string>;

struct StackingCase {
    const char* name;
    bool stacking;
    const char* separator;
    std::string command;
    Lines sent;
};

class StackingTest : public ::testing::TestWithParam<StackingCase> {};

TEST_P(StackingTest, SendsEachPieceWithItsLineFeed) {
    const StackingCase& example = GetParam();
    SendPathRig rig;
    rig.setStacking(example.stacking, example.separator);
    rig.sender.SendCommand(example.command);
    EXPECT_EQ(rig.sentLines(), example.sent);
}

INSTANTIATE_TEST_SUITE_P(
    CommandStacking, StackingTest,
    ::testing::Values(
        StackingCase{
            "ThreePieces", true, "&", "north&east&south", {"north\n", "east\n", "south\n"}},
        StackingCase{"DoubledSeparatorSendsAnEmptyLine",
                     true,
                     "&",
                     "north&&east",
                     {"north\n", "\n", "east\n"}},
        StackingCase{"TrailingSeparatorSendsAnEmptyLine", true, "&", "north&", {"north\n", "\n"}},
        StackingCase{"SeparatorAloneSendsTwoEmptyLines", true, "&", "&", {"\n", "\n"}},
        StackingCase{"NoSeparatorIsOnePiece", true, "&", "say hi", {"say hi\n"}},
        StackingCase{"EmptyCommandIsAnEmptyLine", true, "&", "", {"\n"}},
        StackingCase{"LastPieceAlwaysGetsItsLineFeed", true, "&", "look\n", {"look\n\n"}},
        StackingCase{"OtherSeparator", true, ";", "get all;wear all", {"get all\n", "wear all\n"}},
        StackingCase{"EmptySeparatorMeansNone", true, "", "north&east", {"north&east\n"}},
        StackingCase{"OffSendsTheWholeLine", false, "&", "north&east", {"north&east\n"}},
        StackingCase{"OffKeepsAnEndingLineFeed", false, "&", "look\n", {"look\n"}},
        StackingCase{"OffEmptyCommandIsAnEmptyLine", false, "&", "", {"\n"}},
        // A separator above 0x7F is a character: typed UTF-8 is cut around its two bytes.
        StackingCase{"Latin1SeparatorInTypedText",
                     true,
                     "\xa7",
                     "north\xc2\xa7"
                     "caf\xc3\xa9",
                     {"north\n", "caf\xc3\xa9\n"}},
        StackingCase{"SeparatorNeverCutsAUtf8Character",
                     true,
                     "\xa9",
                     "caf\xc3\xa9\xc2\xa9tea",
                     {"caf\xc3\xa9\n", "tea\n"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SendPathTest, EchoesEachPieceBeforeSendingIt) {
    SendPathRig rig;
    rig.setStacking(true);
    rig.sender.SendCommand("north&east");
    EXPECT_EQ(rig.host.events,
              (Lines{"echo north\n", "send north\n", "echo east\n", "send east\n"}));
}

TEST(SendPathTest, SendsAndEchoesNothingWhileNotConnected) {
    SendPathRig rig;
    rig.connection.setPhase(Connection::Phase::Connecting);
    rig.sender.SendCommand("look");
    rig.sender.SendUserCommand("score", true);
    EXPECT_TRUE(rig.host.sent.empty());
    EXPECT_EQ(rig.mainBuffer.LineCount(), 0);
    EXPECT_TRUE(rig.sender.history().entries().empty());
}

TEST(SendPathTest, UserCommandsAreRememberedOnlyWhenAsked) {
    SendPathRig rig;
    rig.sender.SendUserCommand("look", true);
    rig.sender.SendUserCommand("pasted", false);
    rig.sender.SendCommand("macro");
    EXPECT_EQ(rig.sender.history().entries(), (Lines{"look"}));
    EXPECT_EQ(rig.sentLines(), (Lines{"look\n", "pasted\n", "macro\n"}));
}

TEST(SendPathTest, EchoContinuesThePromptLine) {
    SendPathRig rig;
    rig.mainBuffer.AddText("HP: 20> ");
    rig.sender.SendCommand("north");
    EXPECT_EQ(SendPathRig::linesOf(rig.mainBuffer), (Lines{"HP: 20> north\n"}));
}

// A screen reader may be spared the player's own commands: their rows are marked, the prompt
// row an echo completes included, and nothing the server sent.
TEST(SendPathTest, EchoedRowsAreMarked) {
    SendPathRig rig;
    rig.mainBuffer.AddText("You see a rat.\n");
    rig.mainBuffer.AddText("HP: 20> ");
    rig.sender.SendCommand("kill rat");
    rig.mainBuffer.AddText("You attack the rat.\n");
    ASSERT_EQ(rig.mainBuffer.LineCount(), 3);
    EXPECT_FALSE(rig.mainBuffer.line(0).echoed);
    EXPECT_TRUE(rig.mainBuffer.line(1).echoed);
    EXPECT_FALSE(rig.mainBuffer.line(2).echoed);
}

struct EchoCase {
    const char* name;
    bool chatOpen;
    std::string command;
    bool intoChat;
};

class EchoRoutingTest : public ::testing::TestWithParam<EchoCase> {};

TEST_P(EchoRoutingTest, ChatCommandsEchoIntoTheOpenChatPane) {
    const EchoCase& example = GetParam();
    SendPathRig rig;
    rig.setChatOpen(example.chatOpen);
    rig.log.ToggleLogging();
    rig.sender.SendCommand(example.command);
    if (example.intoChat) {
        EXPECT_EQ(SendPathRig::linesOf(rig.chatBuffer), (Lines{example.command}));
        EXPECT_EQ(rig.mainBuffer.LineCount(), 0);
        EXPECT_EQ(rig.logText(), "") << "the chat pane's echo is not logged";
    } else {
        EXPECT_EQ(SendPathRig::linesOf(rig.mainBuffer), (Lines{example.command + "\n"}));
        EXPECT_EQ(rig.chatBuffer.LineCount(), 0);
        EXPECT_EQ(rig.logText(), example.command + "\n");
    }
    EXPECT_EQ(rig.sentLines(), (Lines{example.command + "\n"}));
}

INSTANTIATE_TEST_SUITE_P(
    EchoCommand, EchoRoutingTest,
    ::testing::Values(EchoCase{"Tell", true, "tell bob hi", true},
                      EchoCase{"Say", true, "say hello", true},
                      EchoCase{"Shout", true, "shout help", true},
                      EchoCase{"Channel", true, "gossip hello", true},
                      EchoCase{"ChannelEmote", true, "gossipemote waves", true},
                      EchoCase{"ChannelWithAtSign", true, "cre@fenmarchmud hi", true},
                      EchoCase{"LeadingBlanksSkipped", true, "  tell bob hi", true},
                      EchoCase{"WordAlone", true, "say", true},
                      EchoCase{"CapitalTell", true, "Tell bob hi", false},
                      EchoCase{"CapitalChannel", true, "Gossip hello", false},
                      EchoCase{"LongerWord", true, "tells bob", false},
                      EchoCase{"EmoteAlone", true, "emote smiles", false},
                      EchoCase{"OrdinaryCommand", true, "look", false},
                      EchoCase{"ChatClosed", false, "tell bob hi", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SendPathTest, CommandEchoOffShowsAndLogsNothing) {
    SendPathRig rig;
    rig.preferences.settings.setNumber(setting::cmdEcho, 0);
    rig.log.ToggleLogging();
    rig.sender.SendUserCommand("look", true);
    EXPECT_EQ(rig.mainBuffer.LineCount(), 0);
    EXPECT_EQ(rig.logText(), "");
    EXPECT_EQ(rig.sentLines(), (Lines{"look\n"}));
}

TEST(SendPathTest, EchoIsLoggedAsEverythingElse) {
    SendPathRig rig;
    rig.preferences.settings.setNumber(setting::logEverything, 0);
    rig.preferences.settings.setNumber(setting::logEverythingElse, 0);
    rig.log.ToggleLogging();
    rig.sender.SendCommand("look");
    EXPECT_EQ(rig.logText(), "");
    rig.preferences.settings.setNumber(setting::logEverythingElse, 1);
    rig.sender.SendCommand("score");
    EXPECT_EQ(rig.logText(), "score\n");
}

TEST(SendPathTest, WhileTheServerEchoesALineIsSentButNotShownLoggedOrRemembered) {
    SendPathRig rig;
    rig.log.ToggleLogging();
    rig.serverEchoes = true;
    rig.sender.SendUserCommand("secret", true);
    EXPECT_EQ(rig.sentLines(), (Lines{"secret\n"}));
    EXPECT_EQ(rig.mainBuffer.LineCount(), 0);
    EXPECT_EQ(rig.logText(), "");
    EXPECT_TRUE(rig.sender.history().entries().empty());

    rig.serverEchoes = false;
    rig.sender.SendUserCommand("look", true);
    EXPECT_EQ(rig.logText(), "look\n");
}

} // namespace
} // namespace vesk::testing
