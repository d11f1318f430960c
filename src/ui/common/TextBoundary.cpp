#include "common/TextBoundary.h"

#include <QList>

namespace vesk {

QString toQString(std::string_view bytes) {
    const std::string utf8 = toUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toBytes(const QString& text, Decoding encoding) {
    if (encoding == Decoding::Utf8) {
        const QByteArray utf8 = text.toUtf8();
        return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
    }
    std::string latin1;
    latin1.reserve(static_cast<std::size_t>(text.size()));
    for (const uint code : text.toUcs4()) {
        latin1 += code <= 0xFF ? static_cast<char>(code) : '?';
    }
    return latin1;
}

} // namespace vesk
