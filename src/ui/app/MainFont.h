#pragma once

#include "settings/FontRecord.h"

#include <QFont>

namespace vesk {

// The text panes' font and its stored form in "Prefs2.dat". Without a stored choice the font is
// "Courier" when the desktop has it, otherwise the desktop's fixed-pitch font.
QFont defaultMainFont();
QFont mainFontFrom(const FontRecord& record);
FontRecord fontRecordOf(const QFont& font);

} // namespace vesk
