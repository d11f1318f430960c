#pragma once

#include "settings/SettingsTable.h"

#include <QList>
#include <QRect>

class QWidget;

namespace vesk {

class Settings;

// Where a window that records its place opens again, and how its place is recorded. Every
// such window (the main window, the floating status window, the skills window, the who list)
// goes through here, so each comes back on a screen the player can see: a place recorded on a
// monitor that is gone, or far off every screen, is moved onto the nearest screen instead.
class WindowPlacement {
public:
    // What the recorded size measures: the whole window with its frame, or its inside. Each
    // setting keeps the measure it has always had, so existing files read back the same.
    enum class Size { Outer, Inner };

    // The two settings of one window: its top-left corner (frame included) and its size.
    struct Keys {
        SettingKey location;
        SettingKey dimensions;
        Size size;
    };

    // The recorded place stays when a strip along its top edge (where the title bar is) lies
    // on one screen; otherwise it is moved onto the screen it overlaps most, or the nearest
    // one, shrunk to fit that screen where it is larger.
    static QRect onVisibleScreen(const QRect& recorded, const QList<QRect>& screens);
    // Wholly on the screen the window overlaps most (or the nearest one): moved in from the
    // edges it crosses, shrunk where it is larger than the screen.
    static QRect insideScreen(const QRect& window, const QList<QRect>& screens);
    // The areas of the screens there are now, without their panels.
    static QList<QRect> screenAreas();

    static QRect recorded(const Settings& settings, const Keys& keys);
    // Moves and sizes the window to its recorded place, on a visible screen. The frame of a
    // window is known once it has been shown, so an outer size is applied again then.
    static void restore(QWidget& window, const Settings& settings, const Keys& keys);
    static void restore(QWidget& window, const QRect& recorded, Size size);
    // Records where the window stands now.
    static void record(const QWidget& window, Settings& settings, const Keys& keys);
};

} // namespace vesk
