#include "status/StatusPane.h"

namespace vesk {

StatusPane::StatusPane(StatusModel& model, Preferences& preferences, QWidget* parent)
    : QWidget(parent), view_(new StatusView(model, preferences, this)),
      scrollBar_(new StatusScrollBar(this)) {
    scrollBar_->hide();
    scrollBar_->followWheelOf(view_);
    connect(scrollBar_, &QScrollBar::valueChanged, view_, &StatusView::setScrollPosition);
    connect(view_, &StatusView::contentHeightChanged, this, &StatusPane::updateScrollBar);
    placeChildren();
}

void StatusPane::setScrollBarWidth(int width) {
    scrollBarWidth_ = width;
    placeChildren();
}

// The bar is needed while the contents are taller than the pane; once they fit again the view
// goes back to the top.
void StatusPane::updateScrollBar(int contentHeight) {
    const bool needed = scrollBar_->setContent(contentHeight, height());
    if (needed == scrollBarNeeded_) {
        return;
    }
    scrollBarNeeded_ = needed;
    if (!needed) {
        scrollBar_->setValue(0);
    }
    placeChildren();
    emit scrollBarNeededChanged(needed);
}

void StatusPane::placeChildren() {
    const int barWidth = scrollBarNeeded_ ? scrollBarWidth_ : 0;
    view_->setGeometry(0, 0, std::max(width() - barWidth, 0), height());
    scrollBar_->setGeometry(width() - barWidth, 0, barWidth, height());
    scrollBar_->setVisible(scrollBarNeeded_);
}

void StatusPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeChildren();
    updateScrollBar(view_->contentHeight());
}

} // namespace vesk
