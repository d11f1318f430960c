#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vesk {

// Cuts one line of a keyword file ("Preferences.DAT", "Profiles.DAT") into tokens. It is
// stateful like the readers expect: it remembers the rest of the current line between calls,
// so a reader takes the keyword with FirstToken and then pulls that key's values.
class KeywordTokenizer {
public:
    static constexpr std::string_view blanks = " \t\r\n";

    // Nothing for an empty line, a line of blanks, or a comment line starting with '#'.
    std::optional<std::string> FirstToken(std::string_view line);
    // Starts a line with the given separators and no comment rule (the section readers of
    // "Preferences.DAT" see '#' as an ordinary character).
    std::optional<std::string> startLine(std::string_view line,
                                         std::string_view separators = blanks);
    std::optional<std::string> NextToken();
    // A value written in double quotes; empty when the line holds none.
    std::string QuotedValue();
    // Nothing when the line has no further token, so a key without its value keeps the value
    // it had; a token that does not start with a number reads as 0.
    std::optional<std::int32_t> NextInt();
    // Every remaining token joined with single blanks: how paths with spaces are read.
    std::string remainingTokensJoined();

private:
    std::string line_;
    std::size_t position_ = 0;
    std::string_view separators_ = blanks;
};

// A decimal number with an optional sign, read from the start of the text as the files have
// always been read: leading digits count, anything else reads as 0. Values beyond 32 bits are
// held at the nearest limit instead of wrapping.
std::int32_t parseDecimal(std::string_view text);

} // namespace vesk
