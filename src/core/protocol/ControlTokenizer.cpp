#include "protocol/ControlTokenizer.h"

namespace vesk {

std::optional<std::string_view> ControlTokenizer::next(std::string_view delimiters) {
    const std::size_t start = line_.find_first_not_of(delimiters, position_);
    if (start == std::string_view::npos) {
        position_ = line_.size();
        return std::nullopt;
    }
    const std::size_t end = line_.find_first_of(delimiters, start);
    if (end == std::string_view::npos) {
        position_ = line_.size();
        return line_.substr(start);
    }
    position_ = end + 1;
    return line_.substr(start, end - start);
}

} // namespace vesk
