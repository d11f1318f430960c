#include "common/ServerCharacters.h"

namespace vesk {

namespace {

// The length of the UTF-8 sequence starting at `offset`, or 0 when it is not a valid one.
std::size_t validSequenceLength(std::string_view bytes, std::size_t offset) {
    const auto byteAt = [&](std::size_t index) { return static_cast<unsigned char>(bytes[index]); };
    const unsigned char lead = byteAt(offset);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char lowest = 0x80, highest = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        highest = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = lead == 0xF0 ? 0x90 : 0x80;
        highest = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (offset + length > bytes.size()) {
        return 0;
    }
    if (byteAt(offset + 1) < lowest || byteAt(offset + 1) > highest) {
        return 0;
    }
    for (std::size_t index = offset + 2; index < offset + length; ++index) {
        if (byteAt(index) < 0x80 || byteAt(index) > 0xBF) {
            return 0;
        }
    }
    return length;
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

} // namespace vesk
