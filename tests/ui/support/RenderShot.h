#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

namespace vesk::uitest {

// Saves what a widget shows as <name>.png into the folder named by VESK_RENDER_DIR, so
// scripts/render-windows.sh can refresh the pictures of every window from the UI tests. Does
// nothing when the variable is not set (an ordinary test run).
inline void saveShot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("VESK_RENDER_DIR");
    if (folder.isEmpty()) {
        return;
    }
    QDir().mkpath(folder);
    widget.grab().save(QDir(folder).filePath(name + ".png"));
}

} // namespace vesk::uitest
