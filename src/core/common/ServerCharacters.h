#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vesk {

// How the client reads the bytes a server sends as characters. Servers declare no character
// set: FenmarchMUD sends ASCII, most current servers UTF-8, older ones Latin-1. One rule covers
// them all and never drops a byte: a stretch that is valid UTF-8 is read as UTF-8, any other
// stretch byte by byte as Latin-1. The stored bytes never change; only their reading does.
enum class Decoding { Utf8, Latin1 };

// Whether the bytes form valid UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF). ASCII alone is valid UTF-8.
bool isValidUtf8(std::string_view bytes);

// The reading the rule gives a stretch of server bytes.
inline Decoding decodingOf(std::string_view bytes) {
    return isValidUtf8(bytes) ? Decoding::Utf8 : Decoding::Latin1;
}

// The characters of the bytes, read as `decoding`, as UTF-8 (Latin-1 bytes above 0x7F become
// two bytes each).
std::string toUtf8(std::string_view bytes, Decoding decoding);

// The same with the rule choosing the reading.
inline std::string toUtf8(std::string_view bytes) {
    return toUtf8(bytes, decodingOf(bytes));
}

// The characters of the bytes, read by the rule, written as `encoding`: UTF-8, or Latin-1 where
// a character Latin-1 has no code for becomes '?'. Bytes the rule reads as Latin-1 therefore
// stay as they are when written as Latin-1.
std::string encodeAs(std::string_view bytes, Decoding encoding);

// How many characters the bytes hold when read as `decoding`.
std::size_t characterCount(std::string_view bytes, Decoding decoding);

// The byte length of the character that starts at `offset` when read as `decoding` (1 for
// Latin-1 and for ASCII; 1 as well for a byte that cannot start a UTF-8 character).
std::size_t characterLength(std::string_view bytes, std::size_t offset, Decoding decoding);

// Watches a stream of server text, cut into reads anywhere, for a byte that cannot be part of
// valid UTF-8: a character split between two reads is judged whole once its end arrives.
class Utf8StreamCheck {
public:
    // Takes the next read. False from the first byte that cannot be UTF-8 on, until reset.
    bool feed(std::string_view bytes);
    bool valid() const { return valid_; }
    void reset() { *this = Utf8StreamCheck(); }

private:
    void takeByte(unsigned char byte);

    bool valid_ = true;
    int continuationsLeft_ = 0;
    // The range the next continuation byte must fall in (narrower after some lead bytes).
    unsigned char lowest_ = 0x80;
    unsigned char highest_ = 0xBF;
};

} // namespace vesk
