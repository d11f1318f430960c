#include "status/StatusItemPainter.h"

#include "common/TextBoundary.h"

#include "status/BodyPictures.h"

#include <QFontMetrics>

namespace vesk {

StatusItemPainter::StatusItemPainter(QPainter& painter, QColor background)
    : painter_(painter), background_(background), ascent_(QFontMetrics(painter.font()).ascent()) {
    painter_.setBackground(background_);
}

void StatusItemPainter::paint(const std::vector<StatusPaintItem>& items,
                              const BodyPictures* pictures, bool narrow) {
    for (const StatusPaintItem& item : items) {
        switch (item.kind) {
        case StatusPaintItem::Kind::Fill:
            painter_.fillRect(item.x, item.y, item.width, item.height, colour(item.colour));
            break;
        case StatusPaintItem::Kind::Text:
            paintText(item);
            break;
        case StatusPaintItem::Kind::Limb:
            if (pictures) {
                paintLimb(item, *pictures, narrow);
            }
            break;
        }
    }
}

void StatusItemPainter::paintLimb(const StatusPaintItem& item, const BodyPictures& pictures,
                                  bool narrow) {
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setPen(colour(item.colour));
    painter_.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter_.drawPixmap(item.x, item.y, pictures.picture(item.part, narrow));
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Texts are placed by their top-left corner and cover what is below them.
void StatusItemPainter::paintText(const StatusPaintItem& item) {
    painter_.setBackgroundMode(Qt::OpaqueMode);
    painter_.setPen(colour(item.colour));
    QString shown = displayText(item.text);
    if (item.width > 0) {
        shown = painter_.fontMetrics().elidedText(shown, Qt::ElideRight, item.width);
    }
    painter_.drawText(item.x, item.y + ascent_, shown);
}

// Numbers padded with blanks ("%3d") line up only when each blank is as wide as a digit, so
// blanks that pad a number are drawn as figure spaces.
QString StatusItemPainter::displayText(std::string_view bytes) {
    QString shown = toQString(bytes);
    bool padding = false;
    for (qsizetype index = shown.size() - 1; index >= 0; --index) {
        const QChar character = shown[index];
        if (character.isDigit()) {
            padding = true;
        } else if (character == u' ' && padding) {
            shown[index] = QChar(0x2007);
        } else {
            padding = false;
        }
    }
    return shown;
}

} // namespace vesk
