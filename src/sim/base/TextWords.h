#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::sim {

// Small text helpers shared by the command handlers: commands arrive as words separated by
// blanks or tabs, and names are compared without regard to letter case.

std::vector<std::string_view> splitWords(std::string_view text);
// The text after the first `count` words, without leading blanks; empty when there is none.
std::string_view textAfterWords(std::string_view text, std::size_t count);
std::optional<std::int32_t> parseNumber(std::string_view text);
std::string lowerCase(std::string_view text);
// "bOB" -> "Bob": how the world writes every character name.
std::string capitalisedName(std::string_view text);
bool sameName(std::string_view first, std::string_view second);

} // namespace vesk::sim
