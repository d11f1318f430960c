#pragma once

#include "protocol/ChallengeCipher.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string_view>

namespace vesk::sim {

// The server's half of the "##VESK MSG" handshake: picks a secret pair, sends it enciphered,
// and later judges the client's "vesk reply y z", which a genuine client computes by
// deciphering the pair.
class ChallengeCheck {
  public:
    enum class Verdict { Matched, NotMatched, NothingIssued };

    explicit ChallengeCheck(std::uint32_t seed) : random(seed) {}

    // The two numbers to put after "MSG".
    ChallengePair issue();
    Verdict judge(ChallengePair reply) const;

    // The numbers of a "vesk reply y z" line; nothing when the line is not such a reply.
    static std::optional<ChallengePair> parseReply(std::string_view line);

  private:
    std::mt19937 random;
    std::optional<ChallengePair> secret;
};

} // namespace vesk::sim
