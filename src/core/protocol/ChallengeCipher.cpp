#include "protocol/ChallengeCipher.h"

namespace vesk {
namespace {

// All arithmetic wraps at 32 bits; the right shift keeps the sign, as the server's does.
std::uint32_t mix(std::uint32_t value, std::uint32_t sum, std::uint32_t keyHigh,
                  std::uint32_t keyLow) {
    const auto shiftedRight = static_cast<std::uint32_t>(static_cast<std::int32_t>(value) >> 5);
    return (shiftedRight + keyHigh) ^ ((value << 4) + keyLow) ^ (sum + value);
}

} // namespace

ChallengePair decipherChallenge(ChallengePair pair, const std::array<std::uint32_t, 4>& key) {
    auto y = static_cast<std::uint32_t>(pair.first);
    auto z = static_cast<std::uint32_t>(pair.second);
    std::uint32_t sum = challengeRoundConstant * challengeRounds;
    for (int round = 0; round < challengeRounds; ++round) {
        z -= mix(y, sum, key[3], key[2]);
        y -= mix(z, sum, key[1], key[0]);
        sum -= challengeRoundConstant;
    }
    return {static_cast<std::int32_t>(y), static_cast<std::int32_t>(z)};
}

ChallengePair encipherChallenge(ChallengePair pair, const std::array<std::uint32_t, 4>& key) {
    auto y = static_cast<std::uint32_t>(pair.first);
    auto z = static_cast<std::uint32_t>(pair.second);
    std::uint32_t sum = 0;
    for (int round = 0; round < challengeRounds; ++round) {
        sum += challengeRoundConstant;
        y += mix(z, sum, key[1], key[0]);
        z += mix(y, sum, key[3], key[2]);
    }
    return {static_cast<std::int32_t>(y), static_cast<std::int32_t>(z)};
}

} // namespace vesk
