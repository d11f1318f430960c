#pragma once

#include "preferences/Preferences.h"

#include <QDialogButtonBox>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace vesk::optionstest {

// Clicks the standard button of the first button box of a dialog.
void clickButton(QWidget& dialog, QDialogButtonBox::StandardButton which);

// Shows a dialog without running its own event loop and saves its picture.
void showAndShoot(QWidget& dialog, const QString& name);

// Preferences whose every setting of the options pages differs from its default.
Preferences changedPreferences();

// True when a visible message box is open (the pages must not show one).
bool messageBoxShown();

// Listens to a record's settings as the client does: every setting announced as changed, in
// the order of the notices.
struct HeardSettings {
    explicit HeardSettings(Settings& settings) {
        settings.setListener([this](SettingKey key) { keys.push_back(key); });
    }
    HeardSettings(const HeardSettings&) = delete;
    HeardSettings& operator=(const HeardSettings&) = delete;

    int count(SettingKey key) const {
        return static_cast<int>(std::count(keys.begin(), keys.end(), key));
    }

    std::vector<SettingKey> keys;
};

} // namespace vesk::optionstest
