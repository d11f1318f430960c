#include "common/KeywordTokenizer.h"
#include "common/LineReader.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(KeywordTokenizer, FirstTokenSkipsCommentsAndBlankLines) {
    KeywordTokenizer tokenizer;
    EXPECT_FALSE(tokenizer.FirstToken(""));
    EXPECT_FALSE(tokenizer.FirstToken("# note"));
    EXPECT_FALSE(tokenizer.FirstToken(" \t\r\n"));
    EXPECT_EQ(tokenizer.FirstToken(" \tName  Bob\r\n"), "Name");
    EXPECT_EQ(tokenizer.NextToken(), "Bob");
    EXPECT_FALSE(tokenizer.NextToken());
    // A '#' later on the line is an ordinary character.
    EXPECT_EQ(tokenizer.FirstToken("Name #1"), "Name");
    EXPECT_EQ(tokenizer.NextToken(), "#1");
}

TEST(KeywordTokenizer, QuotedValueFollowsTheFileRules) {
    struct Case {
        const char* line;
        const char* expected;
    };
    const Case cases[] = {
        {"Name \"Bob the Great\"", "Bob the Great"},
        {"Name     \"Bob\"", "Bob"},
        {"Name \"\"", ""},
        {"Name", ""},
        {"Name \"12345\"\r\n", "12345"},
        {"Password \"a b\tc\"", "a b"},
        {"Name \"   \"", ""},
        {"Name Bob", "Bob"},
    };
    for (const auto& testCase : cases) {
        KeywordTokenizer tokenizer;
        ASSERT_TRUE(tokenizer.FirstToken(testCase.line)) << testCase.line;
        EXPECT_EQ(tokenizer.QuotedValue(), testCase.expected) << testCase.line;
    }
}

TEST(KeywordTokenizer, NextIntReadsLeadingDigitsAndReportsMissingValues) {
    KeywordTokenizer tokenizer;
    tokenizer.FirstToken("Key 12 -7 +3 x9 42abc 99999999999 -99999999999");
    EXPECT_EQ(tokenizer.NextInt(), 12);
    EXPECT_EQ(tokenizer.NextInt(), -7);
    EXPECT_EQ(tokenizer.NextInt(), 3);
    EXPECT_EQ(tokenizer.NextInt(), 0);
    EXPECT_EQ(tokenizer.NextInt(), 42);
    EXPECT_EQ(tokenizer.NextInt(), INT32_MAX);
    EXPECT_EQ(tokenizer.NextInt(), INT32_MIN);
    EXPECT_EQ(tokenizer.NextInt(), std::nullopt);
}

TEST(KeywordTokenizer, RemainingTokensJoinWithSingleBlanks) {
    KeywordTokenizer tokenizer;
    tokenizer.startLine("Editor      /usr/bin/my   editor\t--wait\r\n");
    EXPECT_EQ(tokenizer.remainingTokensJoined(), "/usr/bin/my editor --wait");
}

TEST(LineReader, CutsLongLinesWithoutReadingTheirTailAsANewLine) {
    const std::string longLine(300, 'x');
    const std::string content = "short\r\n" + longLine + "CmdEcho 0\nlast";
    LineReader reader(content);
    EXPECT_EQ(reader.readLine(254), "short\r");
    EXPECT_EQ(reader.readLine(254), std::string(254, 'x'));
    EXPECT_EQ(reader.readLine(254), "last");
    EXPECT_EQ(reader.readLine(254), std::nullopt);
}

} // namespace
} // namespace vesk
