#pragma once

#include <cstdint>
#include <string_view>

namespace vesk {

// The usual decimal conversion the server's numbers get: leading blanks, an optional sign and
// the leading digits; 0 when there are none. Overlong numbers wrap at 32 bits rather than
// overflowing.
std::int32_t decimalValue(std::string_view text);

} // namespace vesk
