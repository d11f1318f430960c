#include "common/KeywordTokenizer.h"

#include <algorithm>
#include <limits>

namespace vesk {
namespace {

constexpr std::string_view quoteSeparators = "\"\t\r\n";

bool onlySpaces(std::string_view text) {
    return text.find_first_not_of(' ') == text.npos;
}

} // namespace

std::optional<std::string> KeywordTokenizer::FirstToken(std::string_view line) {
    if (line.empty() || line.front() == '#') {
        line_.clear();
        position_ = 0;
        return std::nullopt;
    }
    return startLine(line, blanks);
}

std::optional<std::string> KeywordTokenizer::startLine(std::string_view line,
                                                       std::string_view separators) {
    line_.assign(line);
    position_ = 0;
    separators_ = separators;
    return NextToken();
}

std::optional<std::string> KeywordTokenizer::NextToken() {
    const std::size_t start = line_.find_first_not_of(separators_, position_);
    if (start == std::string::npos) {
        position_ = line_.size();
        return std::nullopt;
    }
    std::size_t end = line_.find_first_of(separators_, start);
    if (end == std::string::npos) {
        end = line_.size();
    }
    // The separator that ends a token is consumed with it, as the readers have always done:
    // a quoted value then starts right after the keyword's first blank.
    position_ = end < line_.size() ? end + 1 : end;
    return line_.substr(start, end - start);
}

std::string KeywordTokenizer::QuotedValue() {
    separators_ = quoteSeparators;
    auto piece = NextToken();
    // A run of spaces before the opening quote is skipped once; the piece after it is the
    // value, even when that holds spaces only.
    if (piece && onlySpaces(*piece)) {
        piece = NextToken();
    }
    separators_ = blanks;
    position_ = line_.size();
    return piece.value_or(std::string());
}

std::optional<std::int32_t> KeywordTokenizer::NextInt() {
    const auto token = NextToken();
    if (!token) {
        return std::nullopt;
    }
    return parseDecimal(*token);
}

std::string KeywordTokenizer::remainingTokensJoined() {
    std::string joined;
    while (const auto token = NextToken()) {
        if (!joined.empty()) {
            joined += ' ';
        }
        joined += *token;
    }
    return joined;
}

std::int32_t parseDecimal(std::string_view text) {
    std::size_t index = text.find_first_not_of(" \t\r\n\v\f");
    if (index == text.npos) {
        return 0;
    }
    const bool negative = text[index] == '-';
    if (text[index] == '-' || text[index] == '+') {
        ++index;
    }
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; index < text.size() && text[index] >= '0' && text[index] <= '9'; ++index) {
        magnitude = std::min(limit, magnitude * 10 + (text[index] - '0'));
    }
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, limit - 1);
    return static_cast<std::int32_t>(value);
}

} // namespace vesk
