#include "profiles/WavBrowse.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vesk {
namespace {

struct Case {
    const char* name;
    std::string command;
    std::optional<char> stacking;
    bool replaces;
    std::string initialFileName;
    std::string result;
};

constexpr char chosen[] = "/sounds/bell.wav";

// Each case browses with the stack character '&' and chooses "/sounds/bell.wav".
const Case cases[] = {
    {"EmptyCommandTakesThePath", "", '&', false, "", "/sounds/bell.wav"},
    {"CommandGetsTheFileStacked", "drink water", '&', false, "", "drink water&/sounds/bell.wav"},
    {"StackingOffStillUsesTheCharacter", "drink water", std::nullopt, false, "",
     "drink water&/sounds/bell.wav"},
    {"LoneSoundIsReplaced", "ding.wav", '&', true, "ding.wav", "/sounds/bell.wav"},
    {"LastSoundAfterSeparatorIsReplaced", "drink&a.wav&ding.WAV", '&', true, "ding.WAV",
     "drink&a.wav&/sounds/bell.wav"},
    {"WithoutStackingTheWholeFieldIsReplaced", "drink&ding.wav", std::nullopt, true,
     "drink&ding.wav", "/sounds/bell.wav"},
    {"FourCharactersAreACommand", ".WAV", '&', false, "", ".WAV&/sounds/bell.wav"},
    {"FiveCharactersAreASound", "x.wav", '&', true, "x.wav", "/sounds/bell.wav"},
    // The scan stops at the second character: a separator in front is part of the file.
    {"LeadingSeparatorIsNotScanned", "&x.wav", '&', true, "&x.wav", "/sounds/bell.wav"},
    {"SeparatorJustBeforeTheSuffix", "look&.wav", '&', true, ".wav", "look&/sounds/bell.wav"},
    {"OtherSeparatorDoesNotSplit", "drink;ding.wav", '&', true, "drink;ding.wav",
     "/sounds/bell.wav"},
};

class WavBrowseTest : public ::testing::TestWithParam<Case> {};

TEST_P(WavBrowseTest, PlansAndApplies) {
    const Case& current = GetParam();
    const WavBrowse browse = WavBrowse::plan(current.command, current.stacking);
    EXPECT_EQ(browse.replaces(), current.replaces);
    EXPECT_EQ(browse.initialFileName(), current.initialFileName);
    EXPECT_EQ(browse.apply(chosen, '&'), current.result);
}

INSTANTIATE_TEST_SUITE_P(Cases, WavBrowseTest, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WavBrowseRules, ResultIsCutToTheFieldWidth) {
    const std::string longCommand(1020, 'a');
    const std::string result = WavBrowse::plan(longCommand, '&').apply(chosen, '&');
    EXPECT_EQ(result.size(), 1023u);
    EXPECT_EQ(result.substr(1020), "&/s");
}

TEST(WavBrowseRules, OnlyTheFirst1023CharactersOfTheFieldCount) {
    // The field's ".wav" lies beyond what the field holds, so nothing is replaced.
    const std::string command = std::string(1023, 'a') + ".wav";
    EXPECT_FALSE(WavBrowse::plan(command, '&').replaces());
}

TEST(WavBrowseRules, MissingStackCharacterAddsNothingBetween) {
    EXPECT_EQ(WavBrowse::plan("look", std::nullopt).apply("a.wav", '\0'), "looka.wav");
}

} // namespace
} // namespace vesk
