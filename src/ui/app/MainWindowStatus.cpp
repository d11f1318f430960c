// The status pane docked in the main window, the floating status window, the skills window and
// the lag meter that moves between the main window and the floating status window.
#include "app/MainWindow.h"

#include "app/Client.h"
#include "app/MainMenu.h"
#include "connection/LagBar.h"
#include "connection/LagReadout.h"
#include "input/InputLineEdit.h"
#include "status/SkillsWindow.h"
#include "status/StatusFrameWindow.h"
#include "status/StatusPane.h"
#include "status/StatusView.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace vesk {

void MainWindow::createStatusWindows() {
    statusPane_ = new StatusPane(client_.status(), client_.preferences(), panes_);
    statusFrame_ = new StatusFrameWindow(client_.status(), client_.preferences(), this);
    frameLagReadout_ = new LagReadout("Lag-o-Meter: 0.000 s");
    frameLagBar_ = new LagBar(client_.lagMeter());
    statusFrame_->setLagDisplay(frameLagReadout_, frameLagBar_,
                                client_.preferences().settings.isOn(setting::lagMeter));
    skills_ = new SkillsWindow(client_, this);
    connect(statusPane_, &StatusPane::scrollBarNeededChanged, this, [this] { relayout(); });
    connect(statusFrame_, &StatusFrameWindow::closedByUser, this,
            [this] { client_.preferences().settings.setNumber(setting::statusOpen, 0); });
    for (StatusView* view : {&statusPane_->view(), &statusFrame_->view()}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](QPoint position) { showStatusMenu(*view, position); });
        connect(view, &StatusView::keyboardFocusReturned, this, [this] { input_->setFocus(); });
    }
    if (client_.preferences().settings.isOn(setting::skillsOpen)) {
        QTimer::singleShot(0, skills_, [this] { skills_->setOpen(true); });
    }
    QTimer::singleShot(0, this, &MainWindow::showStatusHolders);
}

void MainWindow::toggleStatusWindow() {
    toggleSetting(setting::statusOpen);
}

// Docked or floating, as the settings say; only the holder shown paints the model.
void MainWindow::showStatusHolders() {
    const Settings& settings = client_.preferences().settings;
    const bool open = settings.isOn(setting::statusOpen);
    const bool floating = settings.isOn(setting::statusMoveable);
    statusFrame_->setLagMeterShown(settings.isOn(setting::lagMeter));
    if (open && floating) {
        statusFrame_->placeFromSettings();
        statusFrame_->show();
    } else {
        statusFrame_->hide();
    }
    relayout();
    refreshStatusWindows();
}

void MainWindow::refreshStatusWindows() {
    const Settings& settings = client_.preferences().settings;
    if (statusFrame_->isVisible() || settings.isOn(setting::statusMoveable)) {
        statusFrame_->view().refresh();
    } else {
        statusPane_->view().refresh();
    }
}

void MainWindow::applyStatusFonts() {
    const bool useMain = client_.preferences().settings.isOn(setting::useMainWindowFont);
    const QFont font = useMain ? mainFont_ : StatusView::defaultFont();
    statusPane_->view().setFont(font);
    statusFrame_->view().setFont(font);
    skills_->setFont(font);
    refreshStatusWindows();
    skills_->refresh();
}

void MainWindow::showStatusMenu(QWidget& view, QPoint position) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool armour = client_.preferences().settings.isOn(setting::bodyType);
    menu->addAction(armour ? "View body damage" : "View body armour", this,
                    [this] { toggleSetting(setting::bodyType); });
    menu->addSeparator();
    menu->addAction("Refresh", this, [this] { client_.Refresh(); });
    menu->popup(view.mapToGlobal(position));
}

} // namespace vesk
