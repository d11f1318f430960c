#include "connection/LagReadout.h"

#include <QEvent>
#include <QFontMetricsF>

#include <algorithm>

namespace vesk {
namespace {

// Below this the reading would be unreadable anyway; it is then cut as before.
constexpr qreal smallestPointSize = 5.0;
constexpr qreal pointStep = 0.5;

} // namespace

LagReadout::LagReadout(const QString& text, QWidget* parent)
    : QLabel(text, parent), fullFont_(font()) {
    setTextFormat(Qt::PlainText);
}

void LagReadout::showReading(const QString& text) {
    setText(text);
    fit();
}

void LagReadout::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

// A font given from outside (the application's, a style sheet's) is the new full size.
void LagReadout::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !fitting_) {
        fullFont_ = font();
        fit();
    }
}

void LagReadout::fit() {
    const qreal room = contentsRect().width() - 2 * margin();
    QFont fitted = fullFont_;
    qreal size = fitted.pointSizeF();
    while (size > smallestPointSize && QFontMetricsF(fitted).horizontalAdvance(text()) > room) {
        size = std::max(smallestPointSize, size - pointStep);
        fitted.setPointSizeF(size);
    }
    if (fitted != font()) {
        fitting_ = true;
        setFont(fitted);
        fitting_ = false;
    }
}

} // namespace vesk
