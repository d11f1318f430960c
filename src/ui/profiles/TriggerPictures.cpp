#include "profiles/TriggerPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vesk {
namespace {

QPixmap drawBox(bool checked) {
    QPixmap picture(TriggerPictures::size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // The box sits in the middle of the picture, a light square with a grey frame.
    const QRectF box(2.5, 1.5, 11, 11);
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(QColor(252, 252, 252));
    painter.drawRoundedRect(box, 2, 2);
    if (checked) {
        QPainterPath tick;
        tick.moveTo(4.5, 7.0);
        tick.lineTo(7.0, 9.8);
        tick.lineTo(12.0, 3.8);
        painter.setPen(
            QPen(TriggerPictures::checkColour(), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    return picture;
}

// The chosen row shows the same picture: a tinted check mark would be harder to read.
QIcon iconOf(const QPixmap& picture) {
    QIcon icon(picture);
    icon.addPixmap(picture, QIcon::Selected);
    return icon;
}

} // namespace

QColor TriggerPictures::checkColour() {
    return QColor(20, 140, 40);
}

const QIcon& TriggerPictures::enabled() {
    static const QIcon icon = iconOf(drawBox(true));
    return icon;
}

const QIcon& TriggerPictures::disabled() {
    static const QIcon icon = iconOf(drawBox(false));
    return icon;
}

} // namespace vesk
