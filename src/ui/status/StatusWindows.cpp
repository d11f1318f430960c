#include "status/StatusWindows.h"

#include "connection/LagBar.h"
#include "connection/LagReadout.h"
#include "preferences/Preferences.h"
#include "status/SkillsWindow.h"
#include "status/StatusFrameWindow.h"
#include "status/StatusPane.h"
#include "status/StatusView.h"

#include <QMenu>
#include <QTimer>

namespace vesk {

StatusWindows::StatusWindows(Parts parts, QWidget& panes, QWidget& window)
    : QObject(&window), parts_(parts) {
    pane_ = new StatusPane(parts_.status, parts_.preferences, &panes);
    frame_ = new StatusFrameWindow(parts_.status, parts_.preferences, &window);
    frameLagReadout_ = new LagReadout("Lag-o-Meter: 0.000 s");
    frameLagBar_ = new LagBar(parts_.lag);
    frame_->setLagDisplay(frameLagReadout_, frameLagBar_,
                          parts_.preferences.settings.isOn(setting::lagMeter));
    skills_ = new SkillsWindow(parts_.skills, parts_.preferences.settings, &window);
    connect(pane_, &StatusPane::scrollBarNeededChanged, this, &StatusWindows::layoutNeeded);
    connect(frame_, &StatusFrameWindow::closedByUser, this,
            [this] { parts_.preferences.settings.setNumber(setting::statusOpen, 0); });
    connect(skills_, &SkillsWindow::openChanged, this, &StatusWindows::skillsShownChanged);
    for (StatusView* view : {&pane_->view(), &frame_->view()}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](QPoint position) { showMenu(*view, position); });
        connect(view, &StatusView::keyboardFocusReturned, this, &StatusWindows::inputFocusWanted);
    }
    if (parts_.preferences.settings.isOn(setting::skillsOpen)) {
        QTimer::singleShot(0, skills_, [this] { skills_->setOpen(true); });
    }
    QTimer::singleShot(0, this, &StatusWindows::showHolders);
}

void StatusWindows::showHolders() {
    const Settings& settings = parts_.preferences.settings;
    const bool open = settings.isOn(setting::statusOpen);
    const bool floating = settings.isOn(setting::statusMoveable);
    frame_->setLagMeterShown(settings.isOn(setting::lagMeter));
    if (open && floating) {
        frame_->placeFromSettings();
        frame_->show();
    } else {
        frame_->hide();
    }
    emit layoutNeeded();
    refresh();
}

void StatusWindows::refresh() {
    if (frame_->isVisible() || parts_.preferences.settings.isOn(setting::statusMoveable)) {
        frame_->view().refresh();
    } else {
        pane_->view().refresh();
    }
}

void StatusWindows::applyFonts(const QFont& mainFont) {
    const bool useMain = parts_.preferences.settings.isOn(setting::useMainWindowFont);
    const QFont font = useMain ? mainFont : StatusView::defaultFont();
    pane_->view().setFont(font);
    frame_->view().setFont(font);
    skills_->setFont(font);
    refresh();
    skills_->refresh();
}

void StatusWindows::showFloatingLag(const QString& reading) {
    frameLagReadout_->showReading(reading);
    frameLagBar_->update();
}

void StatusWindows::hideForExit() {
    frame_->hide();
    skills_->hide();
}

// The body picture's choice is a setting; the windows follow its notice.
void StatusWindows::showMenu(QWidget& view, QPoint position) {
    auto* menu = new QMenu(&view);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    Settings& settings = parts_.preferences.settings;
    const bool armour = settings.isOn(setting::bodyType);
    menu->addAction(armour ? "View body damage" : "View body armour", this, [&settings] {
        settings.setNumber(setting::bodyType, settings.isOn(setting::bodyType) ? 0 : 1);
    });
    menu->addSeparator();
    menu->addAction("Refresh", this, &StatusWindows::refreshRequested);
    menu->popup(view.mapToGlobal(position));
}

} // namespace vesk
