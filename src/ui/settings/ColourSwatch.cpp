#include "settings/ColourSwatch.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>

namespace vesk {
namespace {

std::optional<QColor> askPlatformChooser(const QColor& initial, QWidget* parent) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

ColourSwatch::Chooser& currentChooser() {
    static ColourSwatch::Chooser chooser = askPlatformChooser;
    return chooser;
}

} // namespace

ColourSwatch::ColourSwatch(const QString& name, QWidget* parent) : QWidget(parent) {
    setToolTip(name);
    setAccessibleName(name);
    setCursor(Qt::PointingHandCursor);
    setMinimumSize(sizeHint());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ColourSwatch::setColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void ColourSwatch::setChooser(Chooser chooser) {
    currentChooser() = chooser ? std::move(chooser) : Chooser(askPlatformChooser);
}

void ColourSwatch::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(frame);
    painter.fillRect(frame.adjusted(3, 3, -2, -2), colour_);
}

void ColourSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (const auto chosen = currentChooser()(colour_, this)) {
        setColour(*chosen);
    }
}

} // namespace vesk
