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

// Local file names, command-line arguments and console text are the machine's, not the
// server's: they use the platform's own 8-bit encoding for file names.
QString fromLocalBytes(std::string_view bytes);
std::string toLocalBytes(const QString& text);

// A text a field was loaded with from stored bytes. While the field's text still reads as it
// did when loaded, the very bytes it came from are given back, so opening and closing a dialog,
// editing another field, or an edit undone never rewrites what is stored (a password written
// by an older client in Latin-1 stays as it is). Changed text is encoded as typed text.
class KeptText {
public:
    // What the bytes are: text read by the client's rule, or a local file name.
    enum class Kind { Text, LocalPath };

    KeptText() = default;
    explicit KeptText(std::string bytes, Kind kind = Kind::Text);

    // What the field shows for the stored bytes.
    const QString& text() const { return text_; }
    const std::string& bytes() const { return bytes_; }
    // The bytes to store for what the field shows now.
    std::string bytesFor(const QString& text, Decoding encoding = Decoding::Utf8) const;

private:
    std::string bytes_;
    Kind kind_ = Kind::Text;
    QString text_;
};

// The bytes to store for a field's text when `stored` is what it was loaded from.
inline std::string keptBytes(const QString& text, std::string_view stored,
                             Decoding encoding = Decoding::Utf8) {
    return KeptText(std::string(stored)).bytesFor(text, encoding);
}

} // namespace vesk
