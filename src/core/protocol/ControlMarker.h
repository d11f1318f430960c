#pragma once

#include "VeskVersion.h"

#include <string_view>

namespace vesk {

// Every in-band control line from the server begins with this marker.
inline constexpr std::string_view controlMarker = "##VESK";

} // namespace vesk
