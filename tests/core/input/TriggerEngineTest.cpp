#include "input/TriggerEngine.h"
#include "SendPathRig.h"

#include <gtest/gtest.h>

namespace vesk::testing {
namespace {

using Lines = std::vector<std::string>;

// The trigger engine over the send path, with the default profile active.
class TriggerEngineTest : public ::testing::Test {
protected:
    TriggerList& triggers() { return rig.preferences.currentProfile().triggers; }
    void add(std::string pattern, std::string command, int enabled = 1) {
        triggers().push_back({std::move(pattern), std::move(command), enabled});
    }
    // The recognised flag the receive path would see after the line.
    int match(std::string_view line) {
        int recognised = 0;
        engine.MatchTriggers(line, recognised);
        return recognised;
    }

    SendPathRig rig;
    TriggerEngine engine{rig.preferences, rig.sender, rig.host};
};

struct MatchCase {
    const char* name;
    std::string line;
    bool fires;
};

class PatternMatchTest : public TriggerEngineTest,
                         public ::testing::WithParamInterface<MatchCase> {};

TEST_P(PatternMatchTest, FiresOnLinesThatBeginWithThePattern) {
    add("You are hungry", "eat bread");
    EXPECT_EQ(match(GetParam().line), GetParam().fires ? 1 : 0);
    EXPECT_EQ(rig.sentLines(), GetParam().fires ? Lines{"eat bread\n"} : Lines{});
}

INSTANTIATE_TEST_SUITE_P(MatchTriggers, PatternMatchTest,
                         ::testing::Values(MatchCase{"LineBeginsWithIt", "You are hungry.", true},
                                           MatchCase{"WholeLine", "You are hungry", true},
                                           MatchCase{"OtherCase", "you are hungry.", false},
                                           MatchCase{"NotAtTheStart", "Bob says: You are hungry",
                                                     false},
                                           MatchCase{"LeadingBlank", " You are hungry", false},
                                           MatchCase{"ShorterThanThePattern", "You are", false},
                                           MatchCase{"Empty", "", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TriggerEngineTest, EveryMatchingTriggerFiresInListOrder) {
    add("You are", "second");
    add("Nothing", "never");
    add("You", "third");
    add("You are", "fourth");
    triggers().insert(triggers().begin(), {"You are hungry", "first", 1});
    EXPECT_EQ(match("You are hungry"), 1);
    EXPECT_EQ(rig.sentLines(), (Lines{"first\n", "second\n", "third\n", "fourth\n"}));
}

TEST_F(TriggerEngineTest, DisabledEmptyAndControlNeverFire) {
    add("You", "off", 0);
    add("You", "");
    add("", "look");
    add("##", "control");
    add("#", "hash");
    EXPECT_EQ(match("You are hungry"), 0);
    EXPECT_EQ(match("##VESK NAME Bob"), 0);
    EXPECT_EQ(match("## not a control line"), 0);
    EXPECT_TRUE(rig.host.sent.empty());
    EXPECT_EQ(match("# one hash"), 1);
    EXPECT_EQ(rig.sentLines(), (Lines{"hash\n"}));
}

TEST_F(TriggerEngineTest, NoTriggerFiresWhenSwitchedOffOrNotConnected) {
    add("You", "eat");
    rig.preferences.settings.setNumber(setting::triggersEnabled, 0);
    EXPECT_EQ(match("You are hungry"), 0);
    rig.preferences.settings.setNumber(setting::triggersEnabled, 1);
    rig.connection.setPhase(Connection::Phase::NotConnected);
    EXPECT_EQ(match("You are hungry"), 0);
    EXPECT_TRUE(rig.host.sent.empty());
}

TEST_F(TriggerEngineTest, ActionsAreEchoedLikeTypedCommands) {
    add("You", "eat");
    rig.mainBuffer.AddText("You are hungry.\n");
    match("You are hungry.");
    EXPECT_EQ(SendPathRig::linesOf(rig.mainBuffer), (Lines{"You are hungry.\n", "eat\n"}));
    EXPECT_TRUE(rig.sender.history().entries().empty());
}

struct ActionCase {
    const char* name;
    bool stacking;
    bool sounds;
    std::string command;
    Lines sent;
    Lines played;
};

class TriggerActionTest : public TriggerEngineTest,
                          public ::testing::WithParamInterface<ActionCase> {};

TEST_P(TriggerActionTest, SendsCommandsAndPlaysSounds) {
    const ActionCase& example = GetParam();
    rig.setStacking(example.stacking);
    rig.preferences.settings.setNumber(setting::soundsEnabled, example.sounds ? 1 : 0);
    add("You", example.command);
    EXPECT_EQ(match("You are thirsty"), 1);
    EXPECT_EQ(rig.sentLines(), example.sent);
    EXPECT_EQ(rig.host.played, example.played);
}

INSTANTIATE_TEST_SUITE_P(
    RunTriggerAction, TriggerActionTest,
    ::testing::Values(
        ActionCase{
            "CommandAndSound", true, true, "drink water&ding.wav", {"drink water\n"}, {"ding.wav"}},
        ActionCase{"SoundsOff", true, false, "drink water&ding.wav", {"drink water\n"}, {}},
        ActionCase{"SoundFirst", true, true, "ding.WAV&smile", {"smile\n"}, {"ding.WAV"}},
        ActionCase{"WithoutStackingTheWholeCommandIsOneSound",
                   false,
                   true,
                   "look&ding.wav",
                   {},
                   {"look&ding.wav"}},
        ActionCase{"SuffixAloneIsACommand", true, true, ".WAV", {".WAV\n"}, {}},
        ActionCase{"AnyLetterCase", false, true, "sounds/Bell.Wav", {}, {"sounds/Bell.Wav"}},
        ActionCase{
            "TrailingSeparatorSendsAnEmptyLine", true, true, "smile&", {"smile\n", "\n"}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TriggerEngineTest, EmptySeparatorKeepsTheCommandWhole) {
    rig.setStacking(true, "");
    add("You", "drink water&smile");
    match("You are thirsty");
    EXPECT_EQ(rig.sentLines(), (Lines{"drink water&smile\n"}));
}

TEST_F(TriggerEngineTest, ASoundThatCannotPlayIsReportedAndNotSent) {
    rig.host.soundsPlay = false;
    add("You", "missing.wav");
    EXPECT_EQ(match("You are thirsty"), 1);
    EXPECT_EQ(rig.host.titledWarnings, (Lines{"Trigger|Error playing WAV file 'missing.wav'"}));
    EXPECT_TRUE(rig.host.sent.empty());
}

TEST_F(TriggerEngineTest, FollowsTheActiveProfile) {
    add("You", "default");
    const int other = rig.preferences.profiles.appendNew("Thorn");
    rig.preferences.profiles[static_cast<std::size_t>(other)].triggers.push_back(
        {"You", "thorn", 1});
    match("You are hungry");
    rig.preferences.setActiveProfile(other);
    match("You are hungry");
    add("You", "added");
    match("You are hungry");
    EXPECT_EQ(rig.sentLines(), (Lines{"default\n", "thorn\n", "thorn\n", "added\n"}));
}

TEST_F(TriggerEngineTest, EditsInPlaceNeverFireAStaleTrigger) {
    add("You", "eat");
    add("Bob", "wave");
    match("You are hungry");
    triggers()[0].enabled = 0;
    triggers()[1].pattern = "Alice";
    EXPECT_EQ(match("You are hungry"), 0);
    EXPECT_EQ(match("Bob arrives"), 0);
    EXPECT_EQ(rig.sentLines(), (Lines{"eat\n"}));
}

// The Profiles dialog's OK copies the edited list over the live one, storage and all; nobody
// tells the engine.
TEST_F(TriggerEngineTest, AListCopiedOverTheLiveOneTakesEffect) {
    add("You", "eat");
    match("Nothing here");
    CharacterProfileList edited = rig.preferences.profiles;
    edited[0].triggers[0] = {"Alice", "wave", 1};
    rig.preferences.profiles = edited;
    EXPECT_EQ(match("Alice arrives"), 1);
    EXPECT_EQ(rig.sentLines(), (Lines{"wave\n"}));
}

// Nobody tells the engine about these edits: each must show on the very next line.
TEST_F(TriggerEngineTest, EditsInPlaceTakeEffectOnTheNextLine) {
    add("You", "eat");
    add("Bob", "wave", 0);
    match("You are hungry");
    triggers()[0].pattern = "Alice";
    triggers()[1].enabled = 1;
    EXPECT_EQ(match("You are hungry"), 0);
    EXPECT_EQ(match("Alice arrives"), 1);
    EXPECT_EQ(match("Bob arrives"), 1);
    EXPECT_EQ(rig.sentLines(), (Lines{"eat\n", "eat\n", "wave\n"}));
}

TEST_F(TriggerEngineTest, AListCopiedOverTheLiveOneTakesEffectUnannounced) {
    add("You", "eat");
    add("Bob", "wave");
    match("Nothing here");
    // What the Profiles dialog's OK does: the edited copy, same length, replaces the live list.
    CharacterProfileList edited = rig.preferences.profiles;
    edited[0].triggers[0] = {"Alice", "smile", 1};
    edited[0].triggers[1].enabled = 0;
    rig.preferences.profiles = edited;
    EXPECT_EQ(match("Alice arrives"), 1);
    EXPECT_EQ(match("You are hungry"), 0);
    EXPECT_EQ(match("Bob arrives"), 0);
    EXPECT_EQ(rig.sentLines(), (Lines{"smile\n"}));
}

TEST_F(TriggerEngineTest, SwitchingBetweenProfilesOfEqualLengthFollowsEachList) {
    add("You", "default");
    const int other = rig.preferences.profiles.appendNew("Thorn");
    rig.preferences.profiles[static_cast<std::size_t>(other)].triggers = {{"Bob", "thorn", 1}};
    match("You are hungry");
    rig.preferences.setActiveProfile(other);
    EXPECT_EQ(match("You are hungry"), 0);
    match("Bob arrives");
    rig.preferences.setActiveProfile(0);
    match("You are hungry");
    EXPECT_EQ(rig.sentLines(), (Lines{"default\n", "thorn\n", "default\n"}));
}

} // namespace
} // namespace vesk::testing
