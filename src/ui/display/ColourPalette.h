#pragma once

#include "display/SgrState.h"

#include <QColor>

#include <array>

namespace vesk {

class Settings;

// The text panes' colours as the "Colours" settings hold them: the seven regular and seven bold
// slots, the background and the selection. Black (30) has no setting of its own: it is drawn
// dark grey on a dark background and black on a light one, and bright black (90, or 30 with
// bold) grey on a dark background and dark grey on a light one, so it stays readable.
struct ColourPalette {
    std::array<QColor, 8> regular;
    std::array<QColor, 8> bold;
    QColor background{0, 0, 0};
    QColor selection{200, 200, 200};

    static ColourPalette fromSettings(const Settings& settings);
    QColor text(int colourIndex, bool isBold) const;
    // The colour of text drawn in `state`: its own colour, or its slot.
    QColor text(const SgrState& state) const;
    // Selected text is drawn in the selection colour's inverse on the selection colour.
    QColor selectedText() const;
};

} // namespace vesk
