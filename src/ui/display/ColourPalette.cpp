#include "display/ColourPalette.h"

#include "settings/Settings.h"

#include <string>

namespace vesk {

namespace {

constexpr std::array<const char*, 8> slotNames = {"",        "Red",  "Green",  "Blue",
                                                  "Magenta", "Cyan", "Yellow", "White"};

QColor slotColour(const Settings& settings, const std::string& key) {
    const SettingKey settingKey{"Colours", key};
    // Only the low byte of each component counts, as the colour references always took it.
    return QColor(settings.number(settingKey, 0) & 0xff, settings.number(settingKey, 1) & 0xff,
                  settings.number(settingKey, 2) & 0xff);
}

} // namespace

ColourPalette ColourPalette::fromSettings(const Settings& settings) {
    ColourPalette palette;
    for (int index = 1; index <= 7; ++index) {
        const std::string name = slotNames[static_cast<std::size_t>(index)];
        palette.regular[static_cast<std::size_t>(index)] = slotColour(settings, name);
        palette.bold[static_cast<std::size_t>(index)] = slotColour(settings, name + "Bold");
    }
    palette.background = slotColour(settings, "Background");
    palette.selection = slotColour(settings, "Selection");
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
