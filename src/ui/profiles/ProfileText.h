#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vesk::profiles {

// Profile texts are 8-bit bytes that go to the server and into "Profiles.DAT" unchanged, so
// each byte is shown as the one character of the same code and back: every byte survives an
// edit, and the 31-character limit of a name is 31 characters in the field as well.
inline QString toQt(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace vesk::profiles
