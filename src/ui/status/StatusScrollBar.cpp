#include "status/StatusScrollBar.h"

#include <QCoreApplication>
#include <QWheelEvent>

#include <algorithm>

namespace vesk {

StatusScrollBar::StatusScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setSingleStep(lineStep);
    setRange(0, 0);
    connect(this, &QAbstractSlider::actionTriggered, this, &StatusScrollBar::jumpPage);
}

// Qt's page step also sizes the thumb, which follows the view's height; clicks beside the
// thumb move a fixed distance instead.
void StatusScrollBar::jumpPage(int action) {
    int step = 0;
    if (action == QAbstractSlider::SliderPageStepAdd) {
        step = pageJump;
    } else if (action == QAbstractSlider::SliderPageStepSub) {
        step = -pageJump;
    } else {
        return;
    }
    setSliderPosition(std::clamp(value() + step, minimum(), maximum()));
}

bool StatusScrollBar::setContent(int contentHeight, int clientHeight) {
    // The bar's range runs so that the last position shows the bottom of the contents.
    setPageStep(std::max(clientHeight, 1));
    setRange(0, std::max(contentHeight - clientHeight, 0));
    return contentHeight > clientHeight;
}

void StatusScrollBar::followWheelOf(QWidget* view) {
    view->installEventFilter(this);
}

bool StatusScrollBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && isVisible()) {
        QCoreApplication::sendEvent(this, event);
        return true;
    }
    return QScrollBar::eventFilter(watched, event);
}

} // namespace vesk
