#include "common/TextBoundary.h"

#include <QFile>
#include <QList>

namespace vesk {

namespace {

std::string fromByteArray(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

QString toQString(std::string_view bytes) {
    const std::string utf8 = toUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toBytes(const QString& text, Decoding encoding) {
    if (encoding == Decoding::Utf8) {
        return fromByteArray(text.toUtf8());
    }
    std::string latin1;
    latin1.reserve(static_cast<std::size_t>(text.size()));
    for (const uint code : text.toUcs4()) {
        latin1 += code <= 0xFF ? static_cast<char>(code) : '?';
    }
    return latin1;
}

QString fromLocalBytes(std::string_view bytes) {
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string toLocalBytes(const QString& text) {
    return fromByteArray(QFile::encodeName(text));
}

KeptText::KeptText(std::string bytes, Kind kind)
    : bytes_(std::move(bytes)), kind_(kind),
      text_(kind == Kind::LocalPath ? fromLocalBytes(bytes_) : toQString(bytes_)) {}

std::string KeptText::bytesFor(const QString& text, Decoding encoding) const {
    if (text == text_) {
        return bytes_;
    }
    return kind_ == Kind::LocalPath ? toLocalBytes(text) : toBytes(text, encoding);
}

} // namespace vesk
