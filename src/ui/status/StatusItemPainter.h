#pragma once

#include "status/StatusPaintPlan.h"

#include <QColor>
#include <QPainter>

#include <vector>

namespace vesk {

class BodyPictures;

// Turns the placed items of a status or skills paint plan into pixels: fills, opaque texts on
// the background colour, and limb pictures whose set pixels take the limb's colour and are
// combined with what is below by a bitwise OR, so clear pixels leave the background alone.
class StatusItemPainter {
public:
    StatusItemPainter(QPainter& painter, QColor background);

    // Limbs need the pictures; without them (the skills window) limb items are skipped.
    void paint(const std::vector<StatusPaintItem>& items, const BodyPictures* pictures = nullptr,
               bool narrow = false);

    static QColor colour(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }
    // The text as drawn: blanks that pad a number take a digit's width.
    static QString displayText(std::string_view bytes);

private:
    void paintLimb(const StatusPaintItem& item, const BodyPictures& pictures, bool narrow);
    void paintText(const StatusPaintItem& item);

    QPainter& painter_;
    QColor background_;
    int ascent_;
};

} // namespace vesk
