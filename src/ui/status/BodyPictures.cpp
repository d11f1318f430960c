#include "status/BodyPictures.h"

#include "status/StatusPaintPlan.h"

#include <QPainter>
#include <QPolygon>

namespace vesk {
namespace {

using DrawLimb = void (*)(QPainter&);

void drawHead(QPainter& painter) {
    painter.drawEllipse(QRect(28, 1, 19, 21));
    painter.drawRect(QRect(34, 21, 7, 4));
}

void drawTorso(QPainter& painter) {
    painter.drawPolygon(QPolygon({{27, 26}, {47, 26}, {51, 30}, {48, 80}, {26, 80}, {23, 30}}));
}

void drawLeftArm(QPainter& painter) {
    painter.drawPolygon(QPolygon({{15, 30}, {21, 28}, {20, 42}, {18, 76}, {11, 76}, {12, 40}}));
}

void drawLeftHand(QPainter& painter) {
    painter.drawEllipse(QRect(9, 78, 11, 14));
}

void drawLeftLeg(QPainter& painter) {
    painter.drawPolygon(QPolygon({{27, 82}, {36, 82}, {35, 134}, {28, 134}}));
}

void drawLeftFoot(QPainter& painter) {
    painter.drawRoundedRect(QRect(20, 136, 16, 10), 4, 4);
}

// A wing rising from the shoulder blade to a tip above the shoulder, its lower edge ending in
// four feathers that clear lines mark. It keeps clear of the arm and hand below it, so limbs
// never share a pixel.
void drawLeftWing(QPainter& painter) {
    painter.drawPolygon(QPolygon({{44, 19},
                                  {38, 10},
                                  {28, 4},
                                  {16, 1},
                                  {6, 2},
                                  {0, 6},
                                  {0, 30},
                                  {2, 50},
                                  {5, 66},
                                  {9, 77},
                                  {12, 64},
                                  {16, 70},
                                  {18, 56},
                                  {22, 61},
                                  {23, 48},
                                  {27, 51},
                                  {28, 28},
                                  {44, 25}}));
    painter.setPen(Qt::white);
    painter.drawLine(12, 64, 17, 46);
    painter.drawLine(18, 56, 22, 42);
    painter.drawLine(23, 48, 26, 38);
}

struct LimbDrawing {
    DrawLimb draw;
    // The right-hand limbs are the left ones mirrored about the frame's middle.
    BodyPart mirrorOf;
};

LimbDrawing drawingFor(BodyPart part) {
    switch (part) {
    case BodyPart::Head:
        return {drawHead, part};
    case BodyPart::Torso:
        return {drawTorso, part};
    case BodyPart::LeftArm:
        return {drawLeftArm, part};
    case BodyPart::LeftHand:
        return {drawLeftHand, part};
    case BodyPart::LeftLeg:
        return {drawLeftLeg, part};
    case BodyPart::LeftFoot:
        return {drawLeftFoot, part};
    case BodyPart::LeftWing:
        return {drawLeftWing, part};
    case BodyPart::RightArm:
        return {nullptr, BodyPart::LeftArm};
    case BodyPart::RightHand:
        return {nullptr, BodyPart::LeftHand};
    case BodyPart::RightLeg:
        return {nullptr, BodyPart::LeftLeg};
    case BodyPart::RightFoot:
        return {nullptr, BodyPart::LeftFoot};
    case BodyPart::RightWing:
        return {nullptr, BodyPart::LeftWing};
    }
    return {drawHead, part};
}

QBitmap toBitmap(const QImage& image) {
    return QBitmap::fromImage(image.convertToFormat(QImage::Format_Mono), Qt::ThresholdDither);
}

} // namespace

QImage BodyPictures::draw(BodyPart part) {
    const LimbDrawing drawing = drawingFor(part);
    if (!drawing.draw) {
        return draw(drawing.mirrorOf).mirrored(true, false);
    }
    const bool wing = isWing(part);
    QImage image(wing ? wingWidth : bodyWidth, wing ? wingHeight : bodyHeight,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    drawing.draw(painter);
    return image;
}

BodyPictures::BodyPictures() {
    for (int index = 0; index < bodyPartCount; ++index) {
        const QImage image = draw(static_cast<BodyPart>(index));
        const QSize small(StatusPaintPlan::pictureSize(image.width(), true),
                          StatusPaintPlan::pictureSize(image.height(), true));
        wide_[static_cast<std::size_t>(index)] = toBitmap(image);
        narrow_[static_cast<std::size_t>(index)] =
            toBitmap(image.scaled(small, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
}

const QBitmap& BodyPictures::picture(BodyPart part, bool narrow) const {
    const auto index = static_cast<std::size_t>(part);
    return narrow ? narrow_[index] : wide_[index];
}

} // namespace vesk
