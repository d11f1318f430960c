#pragma once

#include "common/ServerCharacters.h"

#include <QString>

#include <string>
#include <string_view>

namespace vesk {

// The one place where the core's bytes become Qt strings and back. Bytes from the server or
// from the settings files are read by the client's one rule (valid UTF-8 as UTF-8, anything else
// byte by byte as Latin-1), so nothing is ever dropped or replaced on the way to the screen.
QString toQString(std::string_view bytes);

// Text from a widget as bytes: UTF-8, or Latin-1 for a server that reads Latin-1 (a character
// Latin-1 has no code for becomes '?').
std::string toBytes(const QString& text, Decoding encoding = Decoding::Utf8);

} // namespace vesk
