#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vesk::bench {

// A realistic FenmarchMUD session of about `bytes` bytes: coloured room and fight text, prompts
// without line feeds, tells, says and channel chatter, status and combat control lines and a
// little telnet negotiation. The same seed gives the same capture.
std::string generateCapture(std::size_t bytes, std::uint32_t seed = 7);

} // namespace vesk::bench
