#pragma once

#include "settings/OptionsPage.h"
#include "settings/SettingsTable.h"

#include <vector>

class QPushButton;

namespace vesk {

class ColourSwatch;

// "Fonts/Colors": the colours of the text panes, one swatch per colour setting, and the
// button that opens the font chooser. The colours reach the panes only when the dialog is
// confirmed; the font is applied at once by the main window.
class ColoursPage : public OptionsPage {
    Q_OBJECT

public:
    explicit ColoursPage(QWidget* parent = nullptr);

    void load(const Preferences& preferences) override;
    void save(Preferences& preferences) override;

    // Puts the built-in colours back into the swatches (not yet into the preferences).
    void restoreDefaults();

    // The swatch of a colour by its key in the file ("Red", "WhiteBold", "Background", ...),
    // or null.
    ColourSwatch* swatch(std::string_view key) const;
    QPushButton* restoreDefaultsButton() const { return restoreDefaults_; }
    QPushButton* setFontButton() const { return setFont_; }

private:
    struct Slot {
        SettingKey key;
        ColourSwatch* swatch = nullptr;
    };

    QWidget* createColourGroup();
    QWidget* createFontGroup();
    ColourSwatch* addSwatch(SettingKey key, const QString& name, QWidget* parent);

    std::vector<Slot> slots_;
    QPushButton* restoreDefaults_ = nullptr;
    QPushButton* setFont_ = nullptr;
};

} // namespace vesk
