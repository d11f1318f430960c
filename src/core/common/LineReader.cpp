#include "common/LineReader.h"

#include <algorithm>

namespace vesk {

std::optional<std::string> LineReader::readLine(std::size_t limit) {
    if (position_ >= content_.size()) {
        return std::nullopt;
    }
    std::size_t end = content_.find('\n', position_);
    const std::size_t next = end == content_.npos ? content_.size() : end + 1;
    if (end == content_.npos) {
        end = content_.size();
    }
    const std::size_t length = std::min(end - position_, limit);
    std::string line(content_.substr(position_, length));
    position_ = next;
    return line;
}

std::string withoutCarriageReturns(std::string line) {
    while (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

} // namespace vesk
