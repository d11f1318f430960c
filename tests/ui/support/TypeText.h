#pragma once

#include <QTest>
#include <QWidget>

namespace vesk::uitest {

// Types any text into a widget, one key press per character, as a keyboard layout that has
// the character would (QTest::keyClicks takes ASCII only).
inline void typeText(QWidget* widget, const QString& text) {
    for (const char32_t code : text.toUcs4()) {
        const QString character = QString::fromUcs4(&code, 1);
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, character, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, character, Qt::NoModifier);
    }
}

} // namespace vesk::uitest
