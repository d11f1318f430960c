#include "OptionsTestSupport.h"

#include "RenderShot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vesk::optionstest {

void clickButton(QWidget& dialog, QDialogButtonBox::StandardButton which) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    Q_ASSERT(box != nullptr && box->button(which) != nullptr);
    box->button(which)->click();
}

void showAndShoot(QWidget& dialog, const QString& name) {
    dialog.adjustSize();
    dialog.show();
    vesk::uitest::saveShot(dialog, name);
}

Preferences changedPreferences() {
    Preferences preferences;
    Settings& settings = preferences.settings;
    settings.setNumber(setting::numCharactersWidth, 120);
    for (const SettingKey key :
         {setting::usePasswordDohickey, setting::clearEditField, setting::cmdEcho,
          setting::soundsEnabled, setting::splitJoinOnSend, setting::announceOwnCommands,
          setting::lagMeter, setting::smallBars, setting::logEverything, setting::logTells,
          setting::logChannels, setting::logEverythingElse}) {
        settings.setNumber(key, 0);
    }
    for (const SettingKey key :
         {setting::statusFixedLocation, setting::statusNarrow, setting::statusMoveable,
          setting::bodyType, setting::useMainWindowFont, setting::partyMobs,
          setting::useCommandStacking, setting::logPrepend, setting::logDefault,
          setting::logAutoName}) {
        settings.setNumber(key, 1);
    }
    settings.setNumber(setting::logAutoNameOpt, 0, 0);
    settings.setNumber(setting::logAutoNameOpt, 0, 2);
    settings.setText(setting::stackCharacter, ";");
    settings.setText(setting::logFile, "my session.txt");
    settings.setText(setting::helpEditor, "/usr/bin/less -R");
    settings.setNumber(setting::typedTextEncoding, 2);
    const auto rows = SettingsTable::definitions();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].section == "Colours") {
            const int shade = static_cast<int>(row * 7 % 256);
            settings.at(row).numbers = {shade, 255 - shade, (shade * 3) % 256};
        }
    }
    return preferences;
}

bool messageBoxShown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox*>(widget) != nullptr && widget->isVisible()) {
            return true;
        }
    }
    return false;
}

} // namespace vesk::optionstest
