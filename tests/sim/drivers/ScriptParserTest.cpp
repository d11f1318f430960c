// The test script format of --script: every step kind, its escapes, and the lines it refuses.
#include "drivers/ScriptParser.h"

#include <gtest/gtest.h>

namespace vesk::sim {
namespace {

using Kind = ScriptStep::Kind;

TEST(ScriptParserTest, ReadsEveryStepKindWithEscapes) {
    const auto result = ScriptParser::parse("# greeting\n"
                                            "send \\xFF\\xFB\\x01Password: \n"
                                            "\n"
                                            "line \\e[31mhi\\e[0;37;40m\n"
                                            "expect 250 vesk init 2.04\r\n"
                                            "pause 10\n"
                                            "close\n");
    ASSERT_TRUE(result.ok()) << result.error;
    const std::vector<ScriptStep> expected = {
        {Kind::Send, "\xFF\xFB\x01Password: ", 0, 2},
        {Kind::Send, "\x1b[31mhi\x1b[0;37;40m\r\n", 0, 4},
        {Kind::Expect, "vesk init 2.04", 250, 5},
        {Kind::Pause, "", 10, 6},
        {Kind::Close, "", 0, 7},
    };
    EXPECT_EQ(result.steps, expected);
}

TEST(ScriptParserTest, RejectsMalformedLinesNamingTheLine) {
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"sned hello\n", "line 1"}, {"send ok\nexpect soon text\n", "line 2"},
        {"expect 100\n", "line 1"}, {"send bad \\q escape\n", "line 1"},
        {"send \\x4\n", "line 1"},  {"pause -5\n", "line 1"},
        {"close now\n", "line 1"},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.script);
        const auto result = ScriptParser::parse(testCase.script);
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.steps.empty());
        EXPECT_EQ(result.error.rfind(testCase.error, 0), 0u) << result.error;
    }
}

} // namespace
} // namespace vesk::sim
