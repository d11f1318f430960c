#include "display/OutputPane.h"

#include "display/OutputView.h"
#include "display/TextBuffer.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWheelEvent>

namespace vesk {

OutputPane::OutputPane(TextBuffer& buffer, QWidget* parent)
    : QWidget(parent), buffer_(buffer), upper_(new OutputView(buffer, this)),
      tail_(new OutputView(buffer, this, &upper_->selection())), divider_(new QWidget(this)),
      marker_(new QLabel(tr("more below"), this)) {
    tail_->setWheelScrolls(false);
    tail_->hide();
    divider_->setCursor(Qt::SplitVCursor);
    divider_->setAutoFillBackground(true);
    divider_->setAccessibleName(tr("Split view divider"));
    divider_->hide();
    divider_->installEventFilter(this);
    tail_->installEventFilter(this);
    upper_->installEventFilter(this);
    marker_->setTextFormat(Qt::PlainText);
    marker_->setAutoFillBackground(true);
    marker_->setMargin(2);
    marker_->hide();
    connect(upper_, &OutputView::viewChanged, this, &OutputPane::relayout);
    connect(tail_, &OutputView::selectionChanged, upper_, qOverload<>(&QWidget::update));
}

void OutputPane::setTextFont(const QFont& font) {
    upper_->setTextFont(font);
    tail_->setTextFont(font);
    relayout();
}

void OutputPane::setColours(const ColourPalette& palette) {
    upper_->setColours(palette);
    tail_->setColours(palette);
    QPalette dividerColours = divider_->palette();
    dividerColours.setColor(QPalette::Window, palette.selection);
    divider_->setPalette(dividerColours);
    QPalette markerColours = marker_->palette();
    markerColours.setColor(QPalette::Window, palette.selection);
    markerColours.setColor(QPalette::WindowText, palette.background);
    marker_->setPalette(markerColours);
}

bool OutputPane::moreBelowShown() const {
    return !marker_->isHidden();
}

void OutputPane::setTailShare(int percent) {
    tailPercent_ = percent;
    relayout();
}

void OutputPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

// Placing the upper part resizes it, which reports a change again; that report finds the parts
// already where they belong.
void OutputPane::relayout() {
    const SplitLayout layout = SplitLayout::of(height(), upper_->lineHeight(), tailPercent_,
                                               upper_->viewport().scrolledBack());
    const QRect upperRect(0, layout.upper.top, width(), layout.upper.height);
    if (layout != layout_ || upper_->geometry() != upperRect) {
        layout_ = layout;
        upper_->setGeometry(upperRect);
        divider_->setGeometry(0, layout.divider.top, width(), layout.divider.height);
        tail_->setGeometry(0, layout.tail.top, width(), layout.tail.height);
        divider_->setVisible(layout.split);
        tail_->setVisible(layout.split);
    }
    if (layout_.split) {
        tail_->refresh();
    }
    const bool moreBelow =
        layout_.split && upper_->viewport().linesSinceScrollBack(buffer_.LineCount()) > 0;
    if (moreBelow) {
        marker_->adjustSize();
        marker_->move(width() - marker_->width() - 4, layout_.upper.height - marker_->height() - 2);
        marker_->raise();
    }
    marker_->setVisible(moreBelow);
}

bool OutputPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == divider_) {
        return dividerEvent(event);
    }
    // The tail shows what the upper part shows when their rows meet, selection and all.
    if (watched == upper_ && event->type() == QEvent::Paint && layout_.split) {
        tail_->update();
    }
    // The wheel over the tail scrolls the upper part (down to the end joins them).
    if (watched == tail_ && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(upper_, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool OutputPane::dividerEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        dragging_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        return true;
    case QEvent::MouseMove:
        if (dragging_) {
            const QPoint inPane =
                divider_->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint());
            tailPercent_ = SplitLayout::tailPercentAt(inPane.y(), height());
            relayout();
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (dragging_) {
            dragging_ = false;
            emit tailShareChosen(tailPercent_);
        }
        return true;
    default:
        return false;
    }
}

} // namespace vesk
