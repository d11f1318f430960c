#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vesk {

// The server's names are 8-bit bytes without a declared character set. Each byte becomes the
// character of the same number, so no name is lost or merged with another on the way to the
// screen; the views keep the model's own bytes for everything sent back.
inline QString ServerText(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace vesk
