#pragma once

#include "status/BodyPart.h"

#include <QBitmap>

#include <array>

namespace vesk {

// The twelve pictures of the body diagram: one-bit images in which the limb is set (black) and
// everything else clear (white). All share one frame, 75 x 150 for the body and 47 x 79 for the
// wings, so drawn with the same top-left corner they make the whole figure, seen from behind
// (its left side on the viewer's left, as the wings sit). They are drawn once when a view is
// made, together with the smaller copies the narrow layout uses.
class BodyPictures {
public:
    static constexpr int bodyWidth = 75;
    static constexpr int bodyHeight = 150;
    static constexpr int wingWidth = 47;
    static constexpr int wingHeight = 79;

    BodyPictures();

    const QBitmap& picture(BodyPart part, bool narrow) const;
    // The picture as black limb pixels on white, at its full size.
    static QImage draw(BodyPart part);

private:
    std::array<QBitmap, bodyPartCount> wide_;
    std::array<QBitmap, bodyPartCount> narrow_;
};

} // namespace vesk
