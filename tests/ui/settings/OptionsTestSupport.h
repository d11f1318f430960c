#pragma once

#include "preferences/Preferences.h"

#include <QDialogButtonBox>
#include <QString>
#include <QWidget>

namespace vesk::optionstest {

// Clicks the standard button of the first button box of a dialog.
void clickButton(QWidget& dialog, QDialogButtonBox::StandardButton which);

// Shows a dialog without running its own event loop and saves its picture.
void showAndShoot(QWidget& dialog, const QString& name);

// Preferences whose every setting of the options pages differs from its default.
Preferences changedPreferences();

// True when a visible message box is open (the pages must not show one).
bool messageBoxShown();

} // namespace vesk::optionstest
