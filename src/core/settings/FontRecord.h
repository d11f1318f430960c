#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vesk {

// The main text font as "Prefs2.dat" stores it: the 60-byte logical-font record of the old
// Windows client (five little-endian 32-bit integers, eight bytes, a 32-byte face name). All
// zeros means no font was chosen and the default font is used.
struct FontRecord {
    static constexpr std::size_t size = 60;
    static constexpr std::string_view fileName = "Prefs2.dat";

    std::array<std::uint8_t, size> bytes{};

    // A short file or one whose italic byte is above 1 is no font record: all zeros then.
    static FontRecord fromFileBytes(std::string_view content);
    // Exactly one record: 60 bytes whose italic byte is 0 or 1. Anything else would not be
    // written back as it was read.
    static bool isRecord(std::string_view content);

    bool isChosen() const;
    std::int32_t height() const { return integerAt(0); }
    std::int32_t width() const { return integerAt(4); }
    std::int32_t weight() const { return integerAt(16); }
    bool italic() const { return bytes[20] == 1; }
    std::uint8_t pitchAndFamily() const { return bytes[27]; }
    std::string faceName() const;

    void setHeight(std::int32_t value) { setIntegerAt(0, value); }
    void setWeight(std::int32_t value) { setIntegerAt(16, value); }
    void setItalic(bool value) { bytes[20] = value ? 1 : 0; }
    // Cut to the 31 characters the record holds before its terminating zero.
    void setFaceName(std::string_view name);

    auto operator<=>(const FontRecord&) const = default;

private:
    std::int32_t integerAt(std::size_t offset) const;
    void setIntegerAt(std::size_t offset, std::int32_t value);
};

} // namespace vesk
