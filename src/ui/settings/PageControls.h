#pragma once

#include "settings/Settings.h"

#include <QString>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QRadioButton;
class QLineEdit;
class QWidget;

namespace vesk {

// Small helpers shared by the options pages: flags go between a check box and a setting
// (on only when the setting is exactly 1), texts between an edit and a setting.
void loadFlag(QAbstractButton& button, const Settings& settings, SettingKey key, int index = 0);
void saveFlag(const QAbstractButton& button, Settings& settings, SettingKey key, int index = 0);
void loadText(QLineEdit& edit, const Settings& settings, SettingKey key);
void saveText(const QLineEdit& edit, Settings& settings, SettingKey key);

// A wrapped, quieter line of explanation under a control.
QLabel* createNote(const QString& text, QWidget* parent);

// A group of two exclusive choices, one above the other.
QGroupBox* createChoice(const QString& title, QRadioButton*& first, const QString& firstText,
                        QRadioButton*& second, const QString& secondText, QWidget* parent);

} // namespace vesk
