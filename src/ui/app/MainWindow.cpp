#include "app/MainWindow.h"

#include "common/TextBoundary.h"

#include "app/Client.h"
#include "app/MainFont.h"
#include "app/MainMenu.h"
#include "app/QtHost.h"
#include "common/WindowPlacement.h"
#include "connection/LagBar.h"
#include "connection/LagReadout.h"
#include "display/ColourPalette.h"
#include "display/FindDialog.h"
#include "display/OutputPane.h"
#include "display/OutputView.h"
#include "display/OutputViewAccessible.h"
#include "display/TextZoom.h"
#include "input/InputLineEdit.h"
#include "settings/SettingsTable.h"
#include "status/SkillsWindow.h"
#include "status/StatusAccessible.h"
#include "status/StatusPane.h"
#include "status/StatusWindows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
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

MainWindow::MainWindow(Client& client, QtHost& host)
    : client_(client), host_(host), findState_(client.mainBuffer(), host) {
    OutputViewAccessible::install();
    StatusAccessible::install();
    refreshTitle();
    host_.setDialogParent(this);
    createPanes();
    menu_ = new MainMenu(*this, client_);
    connect(menu_->copy, &QAction::triggered, this, &MainWindow::copySelection);
    connect(menu_->paste, &QAction::triggered, input_, &InputLineEdit::paste);
    connect(menu_->find, &QAction::triggered, this, &MainWindow::openFind);
    connect(menu_->describeStatus, &QAction::triggered, this, [this] { client_.describeStatus(); });
    connectInput();
    connect(&host_, &QtHost::changedSignal, this, &MainWindow::onChanged);
    applyMainFont(mainFontFrom(client_.preferences().font));
    status_->applyFonts(mainFont_);
    connect(&lagTimer_, &QTimer::timeout, this, &MainWindow::onLagTimer);
    lagTimer_.start(1000);
}

// Nothing the core announces while the window's parts are being destroyed may reach them.
MainWindow::~MainWindow() {
    disconnect(&host_, nullptr, this, nullptr);
}

FindDialog* MainWindow::findDialog() const {
    return find_.data();
}

void MainWindow::createPanes() {
    panes_ = new QWidget(this);
    panes_->installEventFilter(this);
    setCentralWidget(panes_);
    outputPane_ = new OutputPane(client_.mainBuffer(), panes_);
    output_ = &outputPane_->upper();
    outputScroll_ = new QScrollBar(Qt::Vertical, panes_);
    output_->setScrollBar(outputScroll_);
    chat_ = new OutputView(client_.chatBuffer(), panes_);
    chatScroll_ = new QScrollBar(Qt::Vertical, panes_);
    chat_->setScrollBar(chatScroll_);
    chat_->setWheelScrolls(false);
    output_->setAccessibleName(tr("Output"));
    outputPane_->tail().setAccessibleName(tr("Newest output"));
    chat_->setAccessibleName(tr("Chat"));
    outputScroll_->setAccessibleName(tr("Output scroll bar"));
    chatScroll_->setAccessibleName(tr("Chat scroll bar"));
    applyColours();
    for (OutputView* view : {output_, &outputPane_->tail(), chat_}) {
        connect(view, &OutputView::leftPressed, this, &MainWindow::clearSelections);
        connect(view, &OutputView::selectionFinished, this, &MainWindow::afterSelection);
        connect(view, &OutputView::zoomRequested, this, &MainWindow::zoomText);
    }
    connectOutputPane();
    input_ = new InputLineEdit(client_.commandSender(), client_.preferences(), host_, panes_);
    input_->rules().setCompletionCandidates([this] { return client_.completionCandidates(); });
    input_->setAccessibleName(tr("Command"));
    lagReadout_ = new LagReadout("Lag-o-Meter: 0.000 s", panes_);
    lagBar_ = new LagBar(client_.lagMeter(), panes_);
    createStatusWindows();
    output_->refresh();
    chat_->refresh();
}

// The split view's share is the player's setting; new text is told to a screen reader.
void MainWindow::connectOutputPane() {
    Settings& settings = client_.preferences().settings;
    outputPane_->setTailShare(settings.number(setting::splitTailShare));
    connect(outputPane_, &OutputPane::tailShareChosen, this, [this](int percent) {
        client_.preferences().settings.setNumber(setting::splitTailShare, percent);
    });
    output_->setAnnounces(true, settings.isOn(setting::announceOwnCommands));
}

void MainWindow::createStatusWindows() {
    status_ = new StatusWindows(
        {client_.status(), client_.skills(), client_.preferences(), client_.lagMeter()}, *panes_,
        *this);
    connect(status_, &StatusWindows::layoutNeeded, this, &MainWindow::relayout);
    connect(status_, &StatusWindows::inputFocusWanted, this, [this] { input_->setFocus(); });
    connect(status_, &StatusWindows::refreshRequested, this, [this] { client_.Refresh(); });
    connect(status_, &StatusWindows::skillsShownChanged, this,
            [this](bool shown) { client_.skillsWindowShown(shown); });
}

void MainWindow::connectInput() {
    connect(input_, &InputLineEdit::scrollPageUp, output_, &OutputView::pageUp);
    connect(input_, &InputLineEdit::scrollPageDown, output_, &OutputView::pageDown);
    connect(input_, &InputLineEdit::copyOutputSelection, this, &MainWindow::copySelection);
    connect(input_, &InputLineEdit::selectAllOutput, this, &MainWindow::selectAllOutput);
    connect(input_, &InputLineEdit::clearOutputSelection, this, &MainWindow::clearSelections);
    input_->installEventFilter(this);
    connect(input_, &InputLineEdit::openFind, this, &MainWindow::openFind);
    connect(input_, &InputLineEdit::scrollToEnd, output_, &OutputView::scrollToEnd);
    input_->setFocus();
}

void MainWindow::showAtSavedPlacement(bool firstStart, int besideWidth) {
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
        // A window that opens beside it: where both fit, the two are centred together.
        const int group = width() + besideWidth <= screen.width() ? width() + besideWidth : width();
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

// What is open at exit is open at the next start: the auxiliary windows are hidden with their
// open state kept, so that the application closing its windows does not count as the player
// closing them.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        emit closing();
    }
    status_->hideForExit();
    if (find_) {
        find_->close();
    }
    savePlacement();
    saveSettings();
    event->accept();
    QApplication::quit();
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
    for (OutputView* view : {output_, &outputPane_->tail(), chat_}) {
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

void MainWindow::applyColours() {
    const ColourPalette palette = ColourPalette::fromSettings(client_.preferences().settings);
    outputPane_->setColours(palette);
    chat_->setColours(palette);
}

void MainWindow::followSetting(SettingKey key) {
    switch (key) {
    case setting::numCharactersWidth:
        output_->refresh();
        break;
    case setting::splitTailShare:
        outputPane_->setTailShare(client_.preferences().settings.number(key));
        break;
    case setting::announceOwnCommands:
        output_->setAnnounces(true, client_.preferences().settings.isOn(key));
        break;
    case setting::statusOpen:
    case setting::statusMoveable:
    case setting::lagMeter:
        status_->showHolders();
        menu_->refresh();
        break;
    case setting::statusFixedLocation:
    case setting::statusNarrow:
        relayout();
        status_->refresh();
        break;
    case setting::bodyType:
    case setting::smallBars:
    case setting::partyMobs:
        status_->refresh();
        break;
    case setting::useMainWindowFont:
        status_->applyFonts(mainFont_);
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
    outputPane_->setTextFont(font);
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
    in.statusScrollShown = status_->pane().scrollBarNeeded();
    in.lagMeter = settings.isOn(setting::lagMeter);
    in.lagReadoutHeight = lagReadout_->sizeHint().height();
    in.lagBarHeight = 6;
    in.chatOpen = settings.isOn(setting::chatOpen);
    in.chatLines = settings.number(setting::chatLines);
    in.chatLocation = settings.number(setting::chatLocation);
    layout_ = layoutMainWindow(in);
    const auto place = [](QWidget* widget, const PaneRect& rect, bool shown) {
        widget->setGeometry(rect.x, rect.y, std::max(0, rect.width), std::max(0, rect.height));
        widget->setVisible(shown);
    };
    place(input_, layout_.input, true);
    place(outputPane_, layout_.output, true);
    place(outputScroll_, layout_.outputScroll, true);
    place(chat_, layout_.chat, in.chatOpen);
    place(chatScroll_, layout_.chatScroll, in.chatOpen);
    // The docked pane holds its own scroll bar, so it takes both rectangles.
    PaneRect pane = layout_.status;
    pane.width += layout_.statusScroll.width;
    place(&status_->pane(), pane, layout_.statusDocked);
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
        status_->refresh();
        break;
    case Change::Skills:
        status_->skills().refresh();
        break;
    case Change::Menu:
        menu_->refresh();
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
    const QString text = toQString(client_.lagReadout(settings.isOn(setting::statusNarrow)));
    if (display == LagMeter::Display::StatusWindow) {
        status_->showFloatingLag(text);
    } else {
        lagReadout_->showReading(text);
        lagBar_->update();
    }
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

// The keys of the main keyboard only: the keypad's plus and minus belong to the macros.
bool MainWindow::zoomKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (!modifiers.testFlag(Qt::ControlModifier) || modifiers.testFlag(Qt::KeypadModifier) ||
        modifiers.testFlag(Qt::AltModifier) || modifiers.testFlag(Qt::MetaModifier)) {
        return false;
    }
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomText(1);
        return true;
    case Qt::Key_Minus:
        zoomText(-1);
        return true;
    case Qt::Key_0:
        resetTextSize();
        return true;
    default:
        return false;
    }
}

void MainWindow::zoomText(int steps) {
    Settings& settings = client_.preferences().settings;
    const int current = QFontInfo(mainFont_).pixelSize();
    // The size before the first zoom is the one Ctrl+0 returns to.
    if (settings.number(setting::normalFontHeight) <= 0) {
        settings.setNumber(setting::normalFontHeight, current);
    }
    applyTextSize(TextZoom::zoomed(current, steps));
}

void MainWindow::resetTextSize() {
    const int normal = client_.preferences().settings.number(setting::normalFontHeight);
    if (normal > 0) {
        applyTextSize(normal);
    }
}

void MainWindow::applyTextSize(int pixels) {
    if (pixels == QFontInfo(mainFont_).pixelSize()) {
        return;
    }
    QFont font = mainFont_;
    font.setPixelSize(pixels);
    client_.preferences().font = fontRecordOf(font);
    applyMainFont(font);
    status_->applyFonts(font);
    saveSettings();
}

void MainWindow::applyChosenFont(const QFont& font) {
    client_.preferences().font = fontRecordOf(font);
    // The chosen size is the normal one Ctrl+0 returns to.
    client_.preferences().settings.setNumber(setting::normalFontHeight,
                                             QFontInfo(font).pixelSize());
    applyMainFont(font);
    status_->applyFonts(font);
    saveSettings();
}

void MainWindow::saveSettings() {
    savePending_ = false;
    client_.saveSettings();
}

} // namespace vesk
