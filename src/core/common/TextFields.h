#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vesk {

// The stored files keep text in fixed-width fields. Longer input is cut to the width, never
// rejected, so a hand-edited file or a long server word cannot overflow a record. The width
// counts characters as the client reads them (valid UTF-8 as UTF-8, anything else byte by byte),
// so a cut never splits a character and a name of 31 accented letters keeps all of them.
inline constexpr std::size_t nameWidth = 31;
inline constexpr std::size_t triggerFieldWidth = 1023;
inline constexpr std::size_t pathWidth = 255;

std::string cutToWidth(std::string_view text, std::size_t width);

// Letter case is compared byte by byte on ASCII letters only: the client's text is 8-bit bytes
// with no character-set conversion, so other bytes must compare exactly.
bool equalsIgnoringCase(std::string_view first, std::string_view second);
std::string lowerCased(std::string_view text);
// Whether two names are the same characters, ASCII letters in either case, however each is
// encoded: "Renée" typed (UTF-8) is the "Renée" a Latin-1 server sends.
bool sameName(std::string_view first, std::string_view second);
// The first byte upper-cased, the rest untouched.
std::string firstLetterUpper(std::string_view text);

// A name from the server made fit to be part of a file name: cut to `longest` bytes, and every
// byte but letters, digits, '-' and '_' becomes '_', so it can never climb out of its folder
// or name a device.
std::string safeForFileName(std::string_view name, std::size_t longest);

} // namespace vesk
