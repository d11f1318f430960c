#include "protocol/ControlTokenizer.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vesk {
namespace {

std::vector<std::string> allTokens(std::string_view line) {
    ControlTokenizer tokenizer(line);
    std::vector<std::string> tokens;
    while (const auto token = tokenizer.next()) {
        tokens.emplace_back(*token);
    }
    return tokens;
}

TEST(ControlTokenizer, SplitsAtBlanksAndLineBreaks) {
    EXPECT_EQ(allTokens("##VESK HP 10  20\r\n"),
              (std::vector<std::string>{"##VESK", "HP", "10", "20"}));
    EXPECT_EQ(allTokens("  leading"), (std::vector<std::string>{"leading"}));
    EXPECT_TRUE(allTokens("").empty());
    EXPECT_TRUE(allTokens(" \r\n ").empty());
    // A tab is no standard delimiter: it stays inside the token.
    EXPECT_EQ(allTokens("a\tb c"), (std::vector<std::string>{"a\tb", "c"}));
}

// A limb's name runs to its apostrophe, the numbers after it to the next blank: the handler
// changes delimiters between calls and each call starts where the last one ended.
TEST(ControlTokenizer, DelimitersChangeFromCallToCall) {
    ControlTokenizer tokenizer("DAMAGE left arm' 12 4");
    EXPECT_EQ(tokenizer.next(), std::optional<std::string_view>("DAMAGE"));
    EXPECT_EQ(tokenizer.next(ControlTokenizer::limbNameDelimiters),
              std::optional<std::string_view>("left arm"));
    EXPECT_EQ(tokenizer.next(ControlTokenizer::spaceDelimiter),
              std::optional<std::string_view>("12"));
    EXPECT_EQ(tokenizer.next(ControlTokenizer::spaceDelimiter),
              std::optional<std::string_view>("4"));
    EXPECT_EQ(tokenizer.next(), std::nullopt);
    EXPECT_EQ(tokenizer.next(), std::nullopt);
}

// Only the one delimiter that ends a token is consumed with it.
TEST(ControlTokenizer, TheEndingDelimiterIsConsumed) {
    ControlTokenizer tokenizer("a''b");
    EXPECT_EQ(tokenizer.next("'"), std::optional<std::string_view>("a"));
    EXPECT_EQ(tokenizer.next(" "), std::optional<std::string_view>("'b"));
}

} // namespace
} // namespace vesk
