#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vesk::bench {

// A realistic FenmarchMUD session of about `bytes` bytes: coloured room and fight text, prompts
// without line feeds, tells, says and channel chatter and a little telnet negotiation, with
// `STATUS` and `COMBAT` control lines making up 15% of the lines. The same seed gives the same
// capture.
std::string generateCapture(std::size_t bytes, std::uint32_t seed = 7);

// The shapes a hostile server can send, each about `bytes` bytes.
enum class HostileShape {
    ManyLimbNames,   // LIMB messages and prompts, each naming a new limb
    ManySkillKeys,   // SKILL messages, each with a new key
    ManyNames,       // NAME messages, each naming a new character
    ColourOnlyLines, // unfinished lines of colour sequences, tabs and unclosed sequences
    FileBeginFlood,  // FILEBEGIN lines one after another
    HelpCapture,     // one long help page (meant to be fed in tiny reads)
};

std::string generateHostile(HostileShape shape, std::size_t bytes);

} // namespace vesk::bench
