#pragma once

#include <array>
#include <cstdint>

namespace vesk {

// The server proves it speaks to a genuine client with "##VESK MSG a b": the client deciphers
// the pair and answers "vesk reply y z". The cipher is TEA's round structure with 32 rounds
// and the round constant 49; client and server share the key below.
struct ChallengePair {
    std::int32_t first = 0;
    std::int32_t second = 0;
    auto operator<=>(const ChallengePair&) const = default;
};

inline constexpr std::array<std::uint32_t, 4> challengeKey = {0x56455348u, 0x4B2D464Du,
                                                             0x55442D43u, 0x4C49454Eu};
inline constexpr std::uint32_t challengeRoundConstant = 49;
inline constexpr int challengeRounds = 32;

// What the client computes from the server's pair.
ChallengePair decipherChallenge(ChallengePair pair,
                                const std::array<std::uint32_t, 4>& key = challengeKey);
// The server's direction: the exact inverse of decipherChallenge.
ChallengePair encipherChallenge(ChallengePair pair,
                                const std::array<std::uint32_t, 4>& key = challengeKey);

} // namespace vesk
