#include "common/DecimalText.h"

namespace vesk {

std::int32_t decimalValue(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size() &&
           (text[position] == ' ' || (text[position] >= '\t' && text[position] <= '\r'))) {
        ++position;
    }
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    std::uint32_t value = 0;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9') {
        value = value * 10u + static_cast<std::uint32_t>(text[position] - '0');
        ++position;
    }
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

} // namespace vesk
