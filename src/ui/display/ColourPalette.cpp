#include "display/ColourPalette.h"

#include "settings/Settings.h"

namespace vesk {

namespace {

QColor slotColour(const Settings& settings, SettingKey key) {
    // Only the low byte of each component counts, as the colour references always took it.
    return QColor(settings.number(key, 0) & 0xff, settings.number(key, 1) & 0xff,
                  settings.number(key, 2) & 0xff);
}

} // namespace

ColourPalette ColourPalette::fromSettings(const Settings& settings) {
    ColourPalette palette;
    for (std::size_t index = 1; index <= plainColours.size(); ++index) {
        palette.regular[index] = slotColour(settings, plainColours[index - 1]);
        palette.bold[index] = slotColour(settings, boldColours[index - 1]);
    }
    palette.background = slotColour(settings, setting::colourBackground);
    palette.selection = slotColour(settings, setting::colourSelection);
    return palette;
}

QColor ColourPalette::text(int colourIndex, bool isBold) const {
    const auto index =
        static_cast<std::size_t>(colourIndex >= 1 && colourIndex <= 7 ? colourIndex : 7);
    return isBold ? bold[index] : regular[index];
}

QColor ColourPalette::text(const SgrState& state) const {
    if (state.hasOwnColour()) {
        return QColor::fromRgb(static_cast<QRgb>(state.ownColour));
    }
    if (state.colourIndex == 0) {
        const bool darkBackground = background.lightness() < 128;
        const QColor darkGrey(96, 96, 96);
        if (state.boldSlot()) {
            return darkBackground ? QColor(150, 150, 150) : darkGrey;
        }
        return darkBackground ? darkGrey : QColor(0, 0, 0);
    }
    return text(state.colourIndex, state.boldSlot());
}

QColor ColourPalette::selectedText() const {
    return QColor(255 - selection.red(), 255 - selection.green(), 255 - selection.blue());
}

} // namespace vesk
