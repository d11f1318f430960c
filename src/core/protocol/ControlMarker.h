#pragma once

#include <string_view>

namespace vesk {

// Every in-band control line from the server begins with this marker.
inline constexpr std::string_view controlMarker = "##VESK";
// The version the client announces in "vesk init %s".
inline constexpr std::string_view clientVersion = "2.04";

} // namespace vesk
