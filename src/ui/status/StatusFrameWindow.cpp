#include "status/StatusFrameWindow.h"

#include "common/WindowPlacement.h"
#include "preferences/Preferences.h"
#include "settings/SettingsTable.h"
#include "status/StatusFrameLayout.h"

#include <QCloseEvent>
#include <QFontMetrics>

namespace vesk {
namespace {

// The settings hold the outer size, frame included.
const WindowPlacement::Keys placementKeys{setting::statusMoveableLocation,
                                          setting::statusDimensions, WindowPlacement::Size::Outer};

QRect toRect(const FrameRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

int fontHeight(const QWidget* widget) {
    return widget ? QFontMetrics(widget->font()).height() : 0;
}

} // namespace

StatusFrameWindow::StatusFrameWindow(StatusModel& model, Preferences& preferences, QWidget* parent)
    : QWidget(parent, Qt::Tool), preferences_(preferences),
      view_(new StatusView(model, preferences, this)), scrollBar_(new StatusScrollBar(this)) {
    setWindowTitle("Status Window");
    scrollBar_->hide();
    scrollBar_->followWheelOf(view_);
    connect(scrollBar_, &QScrollBar::valueChanged, view_, &StatusView::setScrollPosition);
    connect(view_, &StatusView::contentHeightChanged, this, &StatusFrameWindow::updateScrollBar);
    placeFromSettings();
}

// The frame is known once the window has been shown, so placing is done again then.
void StatusFrameWindow::placeFromSettings() {
    WindowPlacement::restore(*this, preferences_.settings, placementKeys);
}

void StatusFrameWindow::setLagDisplay(QWidget* readout, QWidget* bar, bool shown) {
    lagReadout_ = readout;
    lagBar_ = bar;
    for (QWidget* widget : {readout, bar}) {
        if (widget) {
            widget->setParent(this);
        }
    }
    lagShown_ = shown;
    placeChildren();
}

void StatusFrameWindow::setLagMeterShown(bool shown) {
    lagShown_ = shown;
    placeChildren();
}

void StatusFrameWindow::updateScrollBar(int contentHeight) {
    const bool needed = scrollBar_->setContent(contentHeight, view_->height());
    if (needed == scrollBarNeeded_) {
        return;
    }
    scrollBarNeeded_ = needed;
    if (!needed) {
        scrollBar_->setValue(0);
    }
    placeChildren();
}

// The lag display counts only while it is still this window's: the main window takes it back
// when the status window docks.
bool StatusFrameWindow::ownsLagDisplay() const {
    return lagReadout_ && lagBar_ && lagReadout_->parentWidget() == this &&
           lagBar_->parentWidget() == this;
}

void StatusFrameWindow::placeChildren() {
    const bool ownsLag = ownsLagDisplay();
    StatusFrameLayout::Input input;
    input.clientWidth = width();
    input.clientHeight = height();
    input.scrollBarVisible = scrollBarNeeded_;
    input.lagMeterShown = lagShown_ && ownsLag;
    input.lagBarFontHeight = ownsLag ? fontHeight(lagBar_) : 0;
    input.lagTextFontHeight = ownsLag ? fontHeight(lagReadout_) : 0;
    const StatusFrameLayout layout = StatusFrameLayout::compute(input);
    view_->setGeometry(toRect(layout.view));
    scrollBar_->setGeometry(toRect(layout.scrollBar));
    scrollBar_->setVisible(scrollBarNeeded_);
    if (ownsLag) {
        lagReadout_->setGeometry(toRect(layout.lagText));
        lagBar_->setGeometry(toRect(layout.lagBar));
        lagReadout_->setVisible(layout.lagShown);
        lagBar_->setVisible(layout.lagShown);
    }
    view_->update();
}

void StatusFrameWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (recording_) {
        WindowPlacement::record(*this, preferences_.settings, placementKeys);
    }
}

void StatusFrameWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeChildren();
    updateScrollBar(view_->contentHeight());
    if (recording_) {
        WindowPlacement::record(*this, preferences_.settings, placementKeys);
    }
}

void StatusFrameWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!recording_) {
        placeFromSettings();
        recording_ = true;
    }
}

// Only the player's close button closes a shown window; the client hides its windows before it
// exits, so what is open at exit stays recorded as open.
void StatusFrameWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (isVisible()) {
        emit closedByUser();
    }
}

} // namespace vesk
