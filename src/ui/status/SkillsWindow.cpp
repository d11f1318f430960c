#include "status/SkillsWindow.h"

#include "common/WindowPlacement.h"
#include "settings/Settings.h"
#include "settings/SettingsTable.h"
#include "status/SkillsModel.h"
#include "status/SkillsPaintPlan.h"
#include "status/StatusItemPainter.h"
#include "status/StatusView.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QPainter>

namespace vesk {
namespace {

// The settings hold the outer size, frame included.
const WindowPlacement::Keys placementKeys{setting::skillsLocation, setting::skillsDimensions,
                                          WindowPlacement::Size::Outer};

} // namespace

SkillsWindow::SkillsWindow(SkillsModel& skills, Settings& settings, QWidget* parent)
    : QWidget(parent, Qt::Tool), skills_(skills), settings_(settings) {
    setWindowTitle("Skills");
    setFont(StatusView::defaultFont());
    setAttribute(Qt::WA_OpaquePaintEvent);
    placeFromSettings();
}

void SkillsWindow::placeFromSettings() {
    WindowPlacement::restore(*this, settings_, placementKeys);
}

void SkillsWindow::toggle() {
    setOpen(!isVisible());
}

void SkillsWindow::setOpen(bool open) {
    setVisible(open);
    emit openChanged(open);
}

void SkillsWindow::setPanelBackground(QColor colour) {
    background_ = colour;
    update();
}

void SkillsWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const SkillsPaintPlan::TextWidth width = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(StatusItemPainter::displayText(text));
    };
    const Rgb textColour{settings_.number(setting::colourWhite, 0),
                         settings_.number(setting::colourWhite, 1),
                         settings_.number(setting::colourWhite, 2)};
    const SkillsPaintPlan plan(skills_.columnsText(), metrics.lineSpacing(), textColour, width);
    StatusItemPainter(painter, background_).paint(plan.items());
}

void SkillsWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (recording_) {
        WindowPlacement::record(*this, settings_, placementKeys);
    }
}

void SkillsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (recording_) {
        WindowPlacement::record(*this, settings_, placementKeys);
    }
}

// The frame is known once the window has been shown, so it is placed again then.
void SkillsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!recording_) {
        placeFromSettings();
        recording_ = true;
    }
}

// Only the player's close button closes a shown window; the client hides its windows before it
// exits, so what is open at exit stays recorded as open.
void SkillsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (isVisible()) {
        emit openChanged(false);
    }
}

} // namespace vesk
