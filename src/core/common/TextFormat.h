#pragma once

#include <string>

namespace vesk {

// printf-style formatting into a std::string. The client's messages keep the server-era
// printf formats ("ERROR CODE %d\n", "vesk reply %d %d"), so one helper serves them all.
std::string formatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace vesk
