#include "connection/LagBar.h"

#include "connection/LagMeter.h"

#include <QPainter>

namespace vesk {

LagBar::LagBar(const LagMeter& meter, QWidget* parent) : QWidget(parent), meter_(meter) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LagBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int filled = meter_.barFill(width());
    const Rgb colour = meter_.barColour();
    painter.fillRect(0, 0, filled, height(), QColor(colour.red, colour.green, colour.blue));
    painter.fillRect(filled, 0, width() - filled, height(), Qt::black);
}

} // namespace vesk
