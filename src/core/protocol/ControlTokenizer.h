#pragma once

#include <optional>
#include <string_view>

namespace vesk {

// Walks one control line token by token. The delimiter set may change from call to call and
// the position is shared, so a handler reads its arguments from where the keyword ended: limb
// names are read up to the next apostrophe, the numbers after them up to the next blank.
class ControlTokenizer {
public:
    static constexpr std::string_view standardDelimiters = " \n\r";
    static constexpr std::string_view limbNameDelimiters = "'\n\t";
    static constexpr std::string_view spaceDelimiter = " ";

    explicit ControlTokenizer(std::string_view line) : line_(line) {}

    // The next run of non-delimiters, skipping leading delimiters; the one delimiter that ends
    // the token is consumed with it. Nothing when only delimiters remain.
    std::optional<std::string_view> next(std::string_view delimiters = standardDelimiters);

private:
    std::string_view line_;
    std::size_t position_ = 0;
};

} // namespace vesk
