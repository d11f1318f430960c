#include "app/MainWindow.h"

#include "common/TextBoundary.h"

#include "app/Client.h"
#include "app/MainFont.h"
#include "app/MainMenu.h"
#include "app/QtHost.h"
#include "app/SoundPlayer.h"
#include "common/WindowPlacement.h"
#include "connection/LagBar.h"
#include "connection/LagReadout.h"
#include "connection/ServerSocket.h"
#include "display/ColourPalette.h"
#include "display/FindDialog.h"
#include "display/OutputView.h"
#include "input/InputLineEdit.h"
#include "settings/SettingsTable.h"
#include "social/WhoListWindow.h"
#include "status/SkillsWindow.h"
#include "status/StatusFrameWindow.h"
#include "status/StatusPane.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>

namespace vesk {
namespace {

// The settings hold the inside size.
const WindowPlacement::Keys placementKeys{setting::windowLocation, setting::windowDimensions,
                                          WindowPlacement::Size::Inner};

} // namespace

MainWindow::MainWindow(Client& client, QtHost& host, SiteAddresses sites)
    : client_(client), host_(host), sites_(std::move(sites)),
      socket_(std::make_unique<ServerSocket>(client, host)), findState_(client.mainBuffer(), host) {
    client_.showHostInTitle(!sites_.fenmarchSite);
    refreshTitle();
    host_.setDialogParent(this);
    createPanes();
    menu_ = new MainMenu(*this, client_);
    connectMenu();
    connectInput();
    connect(&host_, &QtHost::changedSignal, this, &MainWindow::onChanged);
    createAuxiliaryWindows();
    connectDialogMenu();
    applyMainFont(mainFontFrom(client_.preferences().font));
    applyStatusFonts();
    connect(&lagTimer_, &QTimer::timeout, this, &MainWindow::onLagTimer);
    lagTimer_.start(1000);
    // Every window exists now, so each can follow the settings it shows.
    connect(&host_, &QtHost::settingChangedSignal, this, &MainWindow::followSetting);
}

// The sound player outlives the window; its hook into this window's boxes goes first. A
// window destroyed while still connected ends the connection as Exit does, before its own parts
// go: nothing the closing socket reports may reach them half destroyed.
MainWindow::~MainWindow() {
    SoundPlayer::instance().setLateFailure({});
    disconnect(&host_, nullptr, this, nullptr);
    socket_->closeForExit();
}

FindDialog* MainWindow::findDialog() const {
    return find_.data();
}

void MainWindow::createPanes() {
    panes_ = new QWidget(this);
    panes_->installEventFilter(this);
    setCentralWidget(panes_);
    output_ = new OutputView(client_.mainBuffer(), panes_);
    outputScroll_ = new QScrollBar(Qt::Vertical, panes_);
    output_->setScrollBar(outputScroll_);
    chat_ = new OutputView(client_.chatBuffer(), panes_);
    chatScroll_ = new QScrollBar(Qt::Vertical, panes_);
    chat_->setScrollBar(chatScroll_);
    chat_->setWheelScrolls(false);
    applyColours();
    for (OutputView* view : {output_, chat_}) {
        connect(view, &OutputView::leftPressed, this, &MainWindow::clearSelections);
        connect(view, &OutputView::selectionFinished, this, &MainWindow::afterSelection);
        connect(view, &OutputView::zoomRequested, this, &MainWindow::zoomText);
        connect(view, &OutputView::menuRequested, this,
                [this, view](QPoint position) { showOutputMenu(*view, position); });
    }
    input_ = new InputLineEdit(client_, panes_);
    lagReadout_ = new LagReadout("Lag-o-Meter: 0.000 s", panes_);
    lagBar_ = new LagBar(client_.lagMeter(), panes_);
    createStatusWindows();
    output_->refresh();
    chat_->refresh();
}

void MainWindow::connectMenu() {
    connect(menu_->connectGame, &QAction::triggered, this, &MainWindow::connectToGame);
    connect(menu_->disconnect, &QAction::triggered, this, &MainWindow::disconnectFromServer);
    connect(menu_->whosOnline, &QAction::triggered, this, &MainWindow::connectToWhoService);
    connect(menu_->logToFile, &QAction::triggered, this, &MainWindow::toggleLogging);
    connect(menu_->exit, &QAction::triggered, this, &MainWindow::exitClient);
    connect(menu_->copy, &QAction::triggered, this, &MainWindow::copySelection);
    connect(menu_->paste, &QAction::triggered, input_, &InputLineEdit::paste);
    connect(menu_->find, &QAction::triggered, this, &MainWindow::openFind);
    connect(menu_->statusWindow, &QAction::triggered, this, &MainWindow::toggleStatusWindow);
    connect(menu_->chatPane, &QAction::triggered, this,
            [this] { toggleSetting(setting::chatOpen); });
}

void MainWindow::connectInput() {
    connect(input_, &InputLineEdit::scrollPageUp, output_, &OutputView::pageUp);
    connect(input_, &InputLineEdit::scrollPageDown, output_, &OutputView::pageDown);
    connect(input_, &InputLineEdit::copyOutputSelection, this, &MainWindow::copySelection);
    connect(input_, &InputLineEdit::selectAllOutput, this, &MainWindow::selectAllOutput);
    connect(input_, &InputLineEdit::clearOutputSelection, this, &MainWindow::clearSelections);
    input_->installEventFilter(this);
    connect(input_, &InputLineEdit::openFind, this, &MainWindow::openFind);
    connect(input_, &InputLineEdit::connectToDevelopmentSite, this,
            &MainWindow::connectToDevelopmentSite);
    input_->setFocus();
}

void MainWindow::showAtSavedPlacement(bool firstStart) {
    const Settings& settings = client_.preferences().settings;
    if (firstStart) {
        const QFontMetrics metrics(mainFont_);
        // A width of 0 follows the pane, so the first window is as wide as 80 columns.
        const int storedWidth = settings.number(setting::numCharactersWidth);
        const int columns = storedWidth > 0 ? storedWidth : 80;
        const QSize size(metrics.horizontalAdvance('M') * (columns + 2) + statusPaneWidth +
                             scrollBarWidth * 2 + 30,
                         metrics.lineSpacing() * 36);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        resize(size.boundedTo(screen.size()));
        // The who list opens beside it; where both fit, the two are centred together.
        const int beside = settings.isOn(setting::showWhoWindow) && whoList_->neverPlaced()
                               ? whoList_->frameGeometry().width() + WhoListWindow::gapBeside
                               : 0;
        const int group = width() + beside <= screen.width() ? width() + beside : width();
        move(screen.left() + (screen.width() - group) / 2,
             screen.center().y() - rect().center().y());
        show();
    } else if (settings.isOn(setting::isMaximized)) {
        showMaximized();
    } else {
        QRect placement = WindowPlacement::recorded(settings, placementKeys);
        placement.setSize(placement.size().expandedTo(QSize(320, 200)));
        WindowPlacement::restore(*this, placement, placementKeys.size);
        show();
    }
    relayout();
    input_->setFocus();
}

void MainWindow::connectToGame() {
    socket_->connectToSite(sites_.hostName, sites_.gamePort, "FenmarchMUD");
}

void MainWindow::connectToWhoService() {
    socket_->connectToSite(sites_.hostName, sites_.whoPort, "FenmarchMUD");
}

void MainWindow::connectToDevelopmentSite() {
    socket_->connectToSite(sites_.hostName, sites_.developmentPort, "FenmarchDevel");
}

void MainWindow::disconnectFromServer() {
    socket_->disconnectFromServer();
}

void MainWindow::exitClient() {
    exiting_ = true;
    socket_->closeForExit();
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        exiting_ = true;
        socket_->closeForExit();
    }
    hideAuxiliaryWindows();
    if (find_) {
        find_->close();
    }
    savePlacement();
    saveSettings();
    event->accept();
    QApplication::quit();
}

// What is open at exit is open at the next start: the auxiliary windows are hidden with their
// open state kept, so that the application closing its windows does not count as the player
// closing them (the who list's hiding is not recorded while exiting).
void MainWindow::hideAuxiliaryWindows() {
    for (QWidget* window : std::initializer_list<QWidget*>{statusFrame_, skills_, whoList_}) {
        window->hide();
    }
}

void MainWindow::copySelection() {
    auto text = output_->selection().selectedText();
    if (!text) {
        text = chat_->selection().selectedText();
    }
    if (text && !text->empty()) {
        host_.setClipboardText(*text);
    }
}

void MainWindow::clearSelections() {
    for (OutputView* view : {output_, chat_}) {
        view->selection().clear();
        view->update();
    }
}

void MainWindow::selectAllOutput() {
    clearSelections();
    output_->selectAll();
}

void MainWindow::afterSelection() {
    if (client_.preferences().settings.number(setting::useEasyMouseCopy) != 1) {
        return;
    }
    copySelection();
    output_->selection().clear();
    output_->update();
}

void MainWindow::openFind() {
    if (find_) {
        find_->show();
        find_->focusText();
        return;
    }
    find_ = new FindDialog(findState_, *output_, client_.typedText(), this);
    find_->adjustSize();
    const QPoint corner = output_->mapTo(this, QPoint(output_->width() - find_->width() - 1, 1));
    find_->move(mapToGlobal(corner));
    find_->show();
    find_->focusText();
}

void MainWindow::toggleLogging() {
    client_.ToggleLogging();
    menu_->refresh();
}

void MainWindow::toggleSetting(SettingKey key) {
    Settings& settings = client_.preferences().settings;
    settings.setNumber(key, settings.isOn(key) ? 0 : 1);
}

void MainWindow::applyColours() {
    const ColourPalette palette = ColourPalette::fromSettings(client_.preferences().settings);
    output_->setColours(palette);
    chat_->setColours(palette);
}

void MainWindow::followSetting(SettingKey key) {
    switch (key) {
    case setting::numCharactersWidth:
        output_->refresh();
        break;
    case setting::statusOpen:
    case setting::statusMoveable:
    case setting::lagMeter:
        showStatusHolders();
        menu_->refresh();
        break;
    case setting::statusFixedLocation:
    case setting::statusNarrow:
        relayout();
        refreshStatusWindows();
        break;
    case setting::bodyType:
    case setting::smallBars:
    case setting::partyMobs:
        refreshStatusWindows();
        break;
    case setting::useMainWindowFont:
        applyStatusFonts();
        break;
    case setting::chatOpen:
    case setting::chatLines:
    case setting::chatLocation:
        relayout();
        menu_->refresh();
        break;
    case setting::skillsOpen:
    case setting::showWhoWindow:
        menu_->refresh();
        break;
    case setting::showWhoLevel:
    case setting::showWhoName:
    case setting::showWhoRace:
    case setting::showWhoClass:
        whoList_->refresh();
        break;
    default:
        if (SettingsTable::definition(key).section == "Colours") {
            applyColours();
        }
        break;
    }
    if (SettingsTable::definition(key).saved == SettingSaved::AtOnce) {
        saveSoon();
    }
}

// The changes of one confirmed dialog are written together, once.
void MainWindow::saveSoon() {
    if (savePending_) {
        return;
    }
    savePending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (savePending_) {
            saveSettings();
        }
    });
}

void MainWindow::applyMainFont(const QFont& font) {
    mainFont_ = font;
    output_->setTextFont(font);
    chat_->setTextFont(font);
    input_->setFont(font);
    relayout();
}

void MainWindow::relayout() {
    const Settings& settings = client_.preferences().settings;
    const QFontMetrics metrics(mainFont_);
    MainLayoutInput in;
    in.clientWidth = panes_->width();
    in.clientHeight = panes_->height();
    in.maximised = isMaximized();
    in.fontHeight = metrics.height();
    in.lineHeight = metrics.lineSpacing();
    in.statusOpen = settings.isOn(setting::statusOpen);
    in.statusMoveable = settings.isOn(setting::statusMoveable);
    in.statusLeft = settings.isOn(setting::statusFixedLocation);
    in.statusNarrow = settings.isOn(setting::statusNarrow);
    in.statusScrollShown = statusPane_->scrollBarNeeded();
    in.lagMeter = settings.isOn(setting::lagMeter);
    in.lagReadoutHeight = lagReadout_->sizeHint().height();
    in.lagBarHeight = 6;
    in.chatOpen = settings.isOn(setting::chatOpen);
    in.chatLines = settings.number(setting::chatLines);
    in.chatLocation = settings.number(setting::chatLocation);
    layout_ = LayoutMainWindow(in);
    const auto place = [](QWidget* widget, const PaneRect& rect, bool shown) {
        widget->setGeometry(rect.x, rect.y, std::max(0, rect.width), std::max(0, rect.height));
        widget->setVisible(shown);
    };
    place(input_, layout_.input, true);
    place(output_, layout_.output, true);
    place(outputScroll_, layout_.outputScroll, true);
    place(chat_, layout_.chat, in.chatOpen);
    place(chatScroll_, layout_.chatScroll, in.chatOpen);
    // The docked pane holds its own scroll bar, so it takes both rectangles.
    PaneRect pane = layout_.status;
    pane.width += layout_.statusScroll.width;
    place(statusPane_, pane, layout_.statusDocked);
    const bool lagShown = layout_.statusDocked && in.lagMeter;
    place(lagReadout_, layout_.lagReadout, lagShown);
    place(lagBar_, layout_.lagBar, lagShown);
    lagReadout_->showReading(toQString(client_.lagReadout(in.statusNarrow)));
    output_->refresh();
    chat_->refresh();
}

void MainWindow::onChanged(Change what) {
    switch (what) {
    case Change::MainBuffer:
        output_->refresh();
        refreshInputMask();
        break;
    case Change::ChatBuffer:
        chat_->refresh();
        break;
    case Change::Title:
        refreshTitle();
        break;
    case Change::LagMeter:
        refreshLagDisplay();
        break;
    case Change::Status:
        refreshStatusWindows();
        break;
    case Change::Skills:
        skills_->refresh();
        break;
    case Change::News:
        refreshNews();
        break;
    case Change::WhoList:
        refreshWhoList();
        break;
    case Change::HelpBrowser:
    case Change::FileBrowser:
        refreshBrowsers();
        break;
    case Change::Menu:
        menu_->refresh();
        refreshAutoLogin();
        refreshTitle();
        refreshInputMask();
        break;
    default:
        break;
    }
}

// The server's "I echo" stands only while its connection does: a line dropped at the password
// prompt must not leave the input line masked for whatever is typed next.
void MainWindow::refreshInputMask() {
    input_->setMasked(client_.serverEchoes() && client_.commandSender().connected());
}

void MainWindow::refreshTitle() {
    setWindowTitle(toQString(client_.title()));
}

// Once a second while connected: the lag read-out and its bar, where the status window's
// settings put them.
void MainWindow::onLagTimer() {
    if (client_.connection().connected()) {
        refreshLagDisplay();
    }
}

// Also at once when the connection ends, so the read-out stops showing the last lag as current.
void MainWindow::refreshLagDisplay() {
    const Settings& settings = client_.preferences().settings;
    const auto display = LagMeter::SelectLagDisplay(settings.isOn(setting::statusOpen),
                                                    settings.isOn(setting::statusMoveable), true);
    if (display == LagMeter::Display::None) {
        return;
    }
    const bool floating = display == LagMeter::Display::StatusWindow;
    const QString text = toQString(client_.lagReadout(settings.isOn(setting::statusNarrow)));
    (floating ? frameLagReadout_ : lagReadout_)->showReading(text);
    (floating ? frameLagBar_ : lagBar_)->update();
}

void MainWindow::savePlacement() {
    Settings& settings = client_.preferences().settings;
    settings.setNumber(setting::isMaximized, isMaximized() ? 1 : 0);
    if (!isMaximized()) {
        WindowPlacement::record(*this, settings, placementKeys);
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    savePlacement();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    savePlacement();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panes_ && event->type() == QEvent::Resize) {
        relayout();
    }
    if (watched == input_ && event->type() == QEvent::KeyPress &&
        zoomKey(static_cast<const QKeyEvent&>(*event))) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vesk
