#pragma once

#include "common/ServerCharacters.h"

#include <string>
#include <string_view>

namespace vesk {

class Settings;

// How what the player types goes on the wire. Current servers read UTF-8 (and some reject
// anything else), older ones Latin-1, and none says which. So typed text goes out as UTF-8
// until the server shows itself to be Latin-1 by sending a byte above 0x7F that is not part of
// valid UTF-8; from then on, for the rest of that connection, it goes out as Latin-1. The
// player can fix either encoding in the settings for a server that needs it.
//
// It watches every read after the telnet commands are taken out (they are not text), and the
// send path hands it every command before the command is cut into lines.
class TypedTextEncoding {
public:
    // The values of the setting TypedTextEncoding.
    enum class Choice { Automatic = 0, Utf8 = 1, Latin1 = 2 };

    explicit TypedTextEncoding(const Settings& settings);

    // The setting in force; an unknown value counts as automatic.
    Choice choice() const;

    // A new connection: whatever the last server showed says nothing about this one.
    void onConnected();
    // One read of server text, telnet commands removed.
    void watch(std::string_view text);
    bool serverShowedLatin1() const { return !received_.valid(); }

    // The encoding typed text goes out in now.
    Decoding encoding() const;
    // The text (bytes read by the client's rule: typed text is UTF-8, an older stored macro
    // may be Latin-1) in the encoding in force.
    std::string encode(std::string_view text) const { return encodeAs(text, encoding()); }

private:
    const Settings& settings_;
    Utf8StreamCheck received_;
};

} // namespace vesk
