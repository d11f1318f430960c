// The text panes' zoom: the main font a step larger or smaller, and back to its normal size.
#include "app/MainWindow.h"

#include "app/Client.h"
#include "app/MainFont.h"
#include "display/TextZoom.h"

#include <QFontInfo>
#include <QKeyEvent>

namespace vesk {

// The keys of the main keyboard only: the keypad's plus and minus belong to the macros.
bool MainWindow::zoomKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!modifiers.testFlag(Qt::ControlModifier) || modifiers.testFlag(Qt::KeypadModifier) ||
        modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier)) {
        return false;
    }
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomText(1);
        return true;
    case Qt::Key_Minus:
        zoomText(-1);
        return true;
    case Qt::Key_0:
        resetTextSize();
        return true;
    default:
        return false;
    }
}

void MainWindow::zoomText(int steps) {
    Settings& settings = client_.preferences().settings;
    const int current = QFontInfo(mainFont_).pixelSize();
    // The size before the first zoom is the one Ctrl+0 returns to.
    if (settings.number(setting::normalFontHeight) <= 0) {
        settings.setNumber(setting::normalFontHeight, current);
    }
    applyTextSize(TextZoom::Zoomed(current, steps));
}

void MainWindow::resetTextSize() {
    const int normal = client_.preferences().settings.number(setting::normalFontHeight);
    if (normal > 0) {
        applyTextSize(normal);
    }
}

void MainWindow::applyTextSize(int pixels) {
    if (pixels == QFontInfo(mainFont_).pixelSize()) {
        return;
    }
    QFont font = mainFont_;
    font.setPixelSize(pixels);
    client_.preferences().font = fontRecordOf(font);
    applyMainFont(font);
    applyStatusFonts();
    saveSettings();
}

} // namespace vesk
