#include "settings/FontRecord.h"

#include "common/ServerCharacters.h"

#include <algorithm>
#include <cstring>

namespace vesk {
namespace {

constexpr std::size_t italicOffset = 20;
constexpr std::size_t faceOffset = 28;
constexpr std::size_t faceWidth = 32;

} // namespace

FontRecord FontRecord::fromFileBytes(std::string_view content) {
    FontRecord record;
    if (content.size() < size || static_cast<std::uint8_t>(content[italicOffset]) > 1) {
        return record;
    }
    std::memcpy(record.bytes.data(), content.data(), size);
    return record;
}

bool FontRecord::isRecord(std::string_view content) {
    return content.size() == size && static_cast<std::uint8_t>(content[italicOffset]) <= 1;
}

bool FontRecord::isChosen() const {
    return std::any_of(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte != 0; });
}

std::string FontRecord::faceName() const {
    const auto* start = reinterpret_cast<const char*>(bytes.data() + faceOffset);
    return std::string(start, strnlen(start, faceWidth));
}

void FontRecord::setFaceName(std::string_view name) {
    std::fill_n(bytes.begin() + faceOffset, faceWidth, 0);
    std::size_t length = std::min(name.size(), faceWidth - 1);
    // A UTF-8 name too long for the field is cut between two characters.
    if (isValidUtf8(name)) {
        while (length > 0 && length < name.size() &&
               (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) {
            --length;
        }
    }
    std::memcpy(bytes.data() + faceOffset, name.data(), length);
}

std::int32_t FontRecord::integerAt(std::size_t offset) const {
    std::uint32_t value = 0;
    for (std::size_t index = 0; index < 4; ++index) {
        value |= std::uint32_t{bytes[offset + index]} << (8 * index);
    }
    return static_cast<std::int32_t>(value);
}

void FontRecord::setIntegerAt(std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t index = 0; index < 4; ++index) {
        bytes[offset + index] = static_cast<std::uint8_t>(bits >> (8 * index));
    }
}

} // namespace vesk
