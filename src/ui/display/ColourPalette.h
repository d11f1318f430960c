#pragma once

#include <QColor>

#include <array>

namespace vesk {

class Settings;

// The text panes' colours as the "Colours" settings hold them: the seven regular and seven bold
// slots, the background and the selection.
struct ColourPalette {
    std::array<QColor, 8> regular;
    std::array<QColor, 8> bold;
    QColor background{0, 0, 0};
    QColor selection{200, 200, 200};

    static ColourPalette fromSettings(const Settings& settings);
    QColor text(int colourIndex, bool isBold) const;
    // Selected text is drawn in the selection colour's inverse on the selection colour.
    QColor selectedText() const;
};

} // namespace vesk
