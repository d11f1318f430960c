#include "app/MainFont.h"

#include "common/TextBoundary.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <algorithm>

#include <cstdlib>

namespace vesk {

QFont defaultMainFont() {
    if (QFontDatabase::families().contains("Courier", Qt::CaseSensitive)) {
        QFont courier("Courier");
        courier.setPointSize(10);
        return courier;
    }
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (fixed.pointSize() > 0 && fixed.pointSize() < 10) {
        fixed.setPointSize(10);
    }
    return fixed;
}

QFont mainFontFrom(const FontRecord& record) {
    if (!record.isChosen()) {
        return defaultMainFont();
    }
    QFont font(toQString(record.faceName()));
    font.setStyleHint(QFont::TypeWriter);
    // The record's height is the character height in pixels (negative) or the cell height.
    if (record.height() != 0) {
        font.setPixelSize(std::abs(record.height()));
    }
    if (record.weight() > 0) {
        font.setWeight(static_cast<QFont::Weight>(std::clamp(record.weight(), 100, 900)));
    }
    font.setItalic(record.italic());
    return font;
}

FontRecord fontRecordOf(const QFont& font) {
    FontRecord record;
    record.setHeight(-QFontInfo(font).pixelSize());
    record.setWeight(static_cast<std::int32_t>(font.weight()));
    record.setItalic(font.italic());
    record.setFaceName(toBytes(font.family()));
    return record;
}

} // namespace vesk
