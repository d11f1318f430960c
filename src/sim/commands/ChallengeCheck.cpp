#include "commands/ChallengeCheck.h"

#include "base/TextWords.h"

#include <algorithm>

namespace vesk::sim {

ChallengePair ChallengeCheck::issue() {
    ChallengePair pair{static_cast<std::int32_t>(random()), static_cast<std::int32_t>(random())};
    if (outstanding.size() == maxOutstanding) {
        outstanding.erase(outstanding.begin());
    }
    outstanding.push_back(pair);
    return encipherChallenge(pair);
}

ChallengeCheck::Verdict ChallengeCheck::judge(ChallengePair reply) {
    if (outstanding.empty()) {
        return Verdict::NothingIssued;
    }
    const auto found = std::find(outstanding.begin(), outstanding.end(), reply);
    if (found == outstanding.end()) {
        return Verdict::NotMatched;
    }
    outstanding.erase(found);
    return Verdict::Matched;
}

std::optional<ChallengePair> ChallengeCheck::parseReply(std::string_view line) {
    const auto words = splitWords(line);
    if (words.size() != 4 || words[0] != "vesk" || words[1] != "reply") {
        return std::nullopt;
    }
    const auto first = parseNumber(words[2]);
    const auto second = parseNumber(words[3]);
    if (!first || !second) {
        return std::nullopt;
    }
    return ChallengePair{*first, *second};
}

} // namespace vesk::sim
