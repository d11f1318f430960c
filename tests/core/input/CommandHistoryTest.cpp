#include "input/CommandHistory.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

// One walk through the history: 'u' is Up, 'd' is Down; after each step the input line shows
// what the step put there, or keeps its text.
struct WalkCase {
    const char* name;
    std::vector<std::string> remembered;
    std::string steps;
    std::vector<std::string> shown;
};

class HistoryWalkTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(HistoryWalkTest, UpAndDownShowTheExpectedEntries) {
    const WalkCase& example = GetParam();
    CommandHistory history;
    for (const auto& line : example.remembered) {
        history.remember(line);
    }
    std::string inputLine = "typed";
    std::vector<std::string> shown;
    for (const char step : example.steps) {
        if (step == 'u') {
            inputLine = history.back().value_or(inputLine);
        } else {
            inputLine = history.forward();
        }
        shown.push_back(inputLine);
    }
    EXPECT_EQ(shown, example.shown);
}

INSTANTIATE_TEST_SUITE_P(
    History, HistoryWalkTest,
    ::testing::Values(
        WalkCase{
            "UpWalksBackAndStopsAtTheOldest", {"a", "b", "c"}, "uuuud", {"c", "b", "a", "a", "b"}},
        WalkCase{"DownPastTheNewestEmptiesTheLine", {"a", "b"}, "udd", {"b", "b", ""}},
        WalkCase{"UpAfterRunningOffTheEndShowsTheNewest", {"a", "b"}, "du", {"", "b"}},
        WalkCase{"EmptyEntriesAreKept", {"a", ""}, "uu", {"", "a"}},
        WalkCase{"EmptyHistoryKeepsTheLineOnUp", {}, "u", {"typed"}},
        WalkCase{"EmptyHistoryEmptiesTheLineOnDown", {}, "du", {"", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandHistoryTest, RememberingPointsTheCursorAtTheNewLine) {
    CommandHistory history;
    history.remember("a");
    history.remember("b");
    history.back();
    history.back();
    history.remember("a");
    EXPECT_EQ(history.entries(), (std::vector<std::string>{"a", "b", "a"}));
    EXPECT_EQ(history.back(), "a") << "no de-duplication; the newest entry comes first";
    EXPECT_EQ(history.back(), "b");
}

} // namespace
} // namespace vesk
