#pragma once

#include "protocol/ChallengeCipher.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

namespace vesk::sim {

// The server's half of the "##VESK MSG" handshake: picks a secret pair, sends it enciphered,
// and later judges the client's "vesk reply y z", which a genuine client computes by
// deciphering the pair. The client asks for the control channel once for each login line it
// sees ("Allowing login." and the terminal line), so two challenges may be out at once and
// their replies may come in either order: every unanswered one stays valid.
class ChallengeCheck {
public:
    enum class Verdict { Matched, NotMatched, NothingIssued };
    static constexpr std::size_t maxOutstanding = 8;

    explicit ChallengeCheck(std::uint32_t seed) : random(seed) {}

    // The two numbers to put after "MSG".
    ChallengePair issue();
    // A matched challenge is used up.
    Verdict judge(ChallengePair reply);

    // The numbers of a "vesk reply y z" line; nothing when the line is not such a reply.
    static std::optional<ChallengePair> parseReply(std::string_view line);

private:
    std::mt19937 random;
    std::vector<ChallengePair> outstanding;
};

} // namespace vesk::sim
