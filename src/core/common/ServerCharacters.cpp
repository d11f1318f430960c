#include "common/ServerCharacters.h"

#include <cstdint>
#include <cstring>

namespace vesk {

namespace {

struct LeadByte {
    std::size_t length = 0;                      // 0: not a byte a UTF-8 character can start with
    unsigned char lowest = 0x80, highest = 0xBF; // the range of the second byte
};

LeadByte leadByte(unsigned char lead) {
    if (lead < 0x80) {
        return {1};
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        // No overlong forms, no surrogates.
        return {3, static_cast<unsigned char>(lead == 0xE0 ? 0xA0 : 0x80),
                static_cast<unsigned char>(lead == 0xED ? 0x9F : 0xBF)};
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        // Nothing above U+10FFFF.
        return {4, static_cast<unsigned char>(lead == 0xF0 ? 0x90 : 0x80),
                static_cast<unsigned char>(lead == 0xF4 ? 0x8F : 0xBF)};
    }
    return {};
}

// The code point of the valid sequence of `length` bytes at `offset`.
char32_t codePointAt(std::string_view bytes, std::size_t offset, std::size_t length) {
    const auto byteAt = [&](std::size_t index) { return static_cast<unsigned char>(bytes[index]); };
    static constexpr unsigned char leadMasks[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = byteAt(offset) & leadMasks[length];
    for (std::size_t index = offset + 1; index < offset + length; ++index) {
        code = (code << 6) | (byteAt(index) & 0x3F);
    }
    return code;
}

// The length of the UTF-8 sequence starting at `offset`, or 0 when it is not a valid one.
std::size_t validSequenceLength(std::string_view bytes, std::size_t offset) {
    const auto byteAt = [&](std::size_t index) { return static_cast<unsigned char>(bytes[index]); };
    const LeadByte lead = leadByte(byteAt(offset));
    if (lead.length <= 1) {
        return lead.length;
    }
    if (offset + lead.length > bytes.size()) {
        return 0;
    }
    if (byteAt(offset + 1) < lead.lowest || byteAt(offset + 1) > lead.highest) {
        return 0;
    }
    for (std::size_t index = offset + 2; index < offset + lead.length; ++index) {
        if (byteAt(index) < 0x80 || byteAt(index) > 0xBF) {
            return 0;
        }
    }
    return lead.length;
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t offset = 0; offset < bytes.size();) {
        const std::size_t length = validSequenceLength(bytes, offset);
        if (length == 0) {
            return false;
        }
        offset += length;
    }
    return true;
}

std::string toUtf8(std::string_view bytes, Decoding decoding) {
    if (decoding == Decoding::Utf8) {
        return std::string(bytes);
    }
    std::string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            text += byte;
        } else {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

std::string encodeAs(std::string_view bytes, Decoding encoding) {
    const Decoding reading = decodingOf(bytes);
    if (encoding == Decoding::Utf8 || reading == Decoding::Latin1) {
        return encoding == Decoding::Utf8 ? toUtf8(bytes, reading) : std::string(bytes);
    }
    std::string latin1;
    latin1.reserve(bytes.size());
    for (std::size_t offset = 0; offset < bytes.size();) {
        const std::size_t length = validSequenceLength(bytes, offset);
        const char32_t code = codePointAt(bytes, offset, length);
        latin1 += code <= 0xFF ? static_cast<char>(code) : '?';
        offset += length;
    }
    return latin1;
}

std::size_t characterCount(std::string_view bytes, Decoding decoding) {
    if (decoding == Decoding::Latin1) {
        return bytes.size();
    }
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < bytes.size(); ++count) {
        offset += characterLength(bytes, offset, decoding);
    }
    return count;
}

std::size_t characterLength(std::string_view bytes, std::size_t offset, Decoding decoding) {
    if (decoding == Decoding::Latin1 || offset >= bytes.size()) {
        return 1;
    }
    const std::size_t length = validSequenceLength(bytes, offset);
    return length == 0 ? 1 : length;
}

bool Utf8StreamCheck::feed(std::string_view bytes) {
    std::size_t index = 0;
    while (index < bytes.size() && valid_) {
        // Plain ASCII, nearly all of a game's text, is passed over eight bytes at a time.
        if (continuationsLeft_ == 0) {
            std::uint64_t word = 0;
            while (index + sizeof word <= bytes.size()) {
                std::memcpy(&word, bytes.data() + index, sizeof word);
                if ((word & 0x8080808080808080ULL) != 0) {
                    break;
                }
                index += sizeof word;
            }
            if (index == bytes.size()) {
                break;
            }
        }
        takeByte(static_cast<unsigned char>(bytes[index++]));
    }
    return valid_;
}

void Utf8StreamCheck::takeByte(unsigned char byte) {
    if (continuationsLeft_ > 0) {
        valid_ = byte >= lowest_ && byte <= highest_;
        --continuationsLeft_;
        lowest_ = 0x80;
        highest_ = 0xBF;
        return;
    }
    const LeadByte lead = leadByte(byte);
    valid_ = lead.length != 0;
    continuationsLeft_ = lead.length > 1 ? static_cast<int>(lead.length) - 1 : 0;
    lowest_ = lead.lowest;
    highest_ = lead.highest;
}

} // namespace vesk
