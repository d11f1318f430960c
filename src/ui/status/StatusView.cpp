#include "status/StatusView.h"

#include "preferences/Preferences.h"
#include "settings/SettingsTable.h"
#include "status/StatusItemPainter.h"
#include "status/StatusModel.h"
#include "status/StatusPaintPlan.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>

namespace vesk {

StatusView::StatusView(StatusModel& model, Preferences& preferences, QWidget* parent)
    : QWidget(parent), model_(model), preferences_(preferences), repaints_([this] { update(); }) {
    setFont(defaultFont());
    setFocusPolicy(Qt::ClickFocus);
    // Every paint covers the whole view, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QFont StatusView::defaultFont() {
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

bool StatusView::narrow() const {
    return preferences_.settings.isOn(setting::statusNarrow);
}

int StatusView::contentHeight() const {
    return StatusPaintPlan::contentHeight(model_, narrow());
}

void StatusView::refresh() {
    repaints_.request();
    emit contentHeightChanged(contentHeight());
}

void StatusView::setScrollPosition(int pixels) {
    if (pixels != scroll_) {
        scroll_ = pixels;
        update();
    }
}

void StatusView::toggleBodyType() {
    Settings& settings = preferences_.settings;
    settings.setNumber(setting::bodyType, settings.isOn(setting::bodyType) ? 0 : 1);
    update();
}

void StatusView::paintStatus(QPainter& painter) {
    const Settings& settings = preferences_.settings;
    StatusPaintPlan::Options options;
    options.narrow = narrow();
    options.armourView = settings.isOn(setting::bodyType);
    options.smallBars = settings.isOn(setting::smallBars);
    options.partyFirst = settings.isOn(setting::partyMobs);
    options.scroll = scroll_;
    const StatusPaintPlan plan(model_, options);
    painter.fillRect(rect(), Qt::black);
    painter.setFont(font());
    StatusItemPainter(painter, Qt::black).paint(plan.items(), &pictures_, options.narrow);
}

void StatusView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintStatus(painter);
}

void StatusView::keyPressEvent(QKeyEvent* event) {
    event->accept();
    emit keyboardFocusReturned();
}

void StatusView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit contentHeightChanged(contentHeight());
}

} // namespace vesk
