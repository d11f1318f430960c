#include "common/LineReader.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace vesk {
namespace {

constexpr std::size_t chunkSize = 64 * 1024;

} // namespace

bool LineReader::refill() {
    if (position_ < content_.size()) {
        return true;
    }
    if (descriptor_ < 0) {
        return false;
    }
    chunk_.resize(chunkSize);
    ssize_t got = 0;
    do {
        got = ::read(descriptor_, chunk_.data(), chunk_.size());
    } while (got < 0 && errno == EINTR);
    // A read error ends the file as the end of the file does.
    if (got <= 0) {
        descriptor_ = -1;
        return false;
    }
    chunk_.resize(static_cast<std::size_t>(got));
    content_ = chunk_;
    position_ = 0;
    return true;
}

std::optional<std::string> LineReader::readLine(std::size_t limit) {
    if (!refill()) {
        return std::nullopt;
    }
    std::string line;
    while (refill()) {
        const std::size_t end = content_.find('\n', position_);
        const std::size_t stop = end == content_.npos ? content_.size() : end;
        const std::size_t room = limit - std::min(limit, line.size());
        line.append(content_.substr(position_, std::min(stop - position_, room)));
        if (end != content_.npos) {
            position_ = end + 1;
            return line;
        }
        position_ = content_.size();
    }
    return line;
}

std::string withoutCarriageReturns(std::string line) {
    while (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

} // namespace vesk
