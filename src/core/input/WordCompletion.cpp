#include "input/WordCompletion.h"

#include "common/TextFields.h"

#include <algorithm>

namespace vesk {

std::vector<std::string> WordCompletion::matching(std::string_view word,
                                                  const std::vector<std::string>& candidates) {
    const std::string prefix = lowerCased(word);
    std::vector<std::string> found;
    std::vector<std::string> seen;
    for (const std::string& candidate : candidates) {
        const std::string lower = lowerCased(candidate);
        if (lower.size() <= prefix.size() || !lower.starts_with(prefix) ||
            std::find(seen.begin(), seen.end(), lower) != seen.end()) {
            continue;
        }
        seen.push_back(lower);
        found.push_back(candidate);
    }
    return found;
}

std::optional<WordCompletion::Line> WordCompletion::complete(const Line& line,
                                                             const Candidates& candidates) {
    if (last_ && line == *last_ && !matches_.empty()) {
        return put(matches_[next_]);
    }
    last_.reset();
    const std::size_t caret = std::min(line.caret, line.text.size());
    const std::size_t blank = line.text.find_last_of(" \t", caret == 0 ? 0 : caret - 1);
    const std::size_t start = (blank == std::string::npos || caret == 0) ? 0 : blank + 1;
    if (caret == 0 || start >= caret) {
        return std::nullopt;
    }
    matches_ = matching(std::string_view(line.text).substr(start, caret - start),
                        candidates ? candidates() : std::vector<std::string>{});
    if (matches_.empty()) {
        return std::nullopt;
    }
    before_ = line.text.substr(0, start);
    after_ = line.text.substr(caret);
    next_ = 0;
    return put(matches_[next_]);
}

WordCompletion::Line WordCompletion::put(const std::string& candidate) {
    Line result{before_ + candidate + after_, before_.size() + candidate.size()};
    next_ = (next_ + 1) % matches_.size();
    last_ = result;
    return result;
}

} // namespace vesk
