#include "app/MainCommands.h"

#include "app/Client.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/QtHost.h"
#include "app/SoundPlayer.h"
#include "common/TextBoundary.h"
#include "connection/ServerSocket.h"
#include "display/FindDialog.h"
#include "display/OutputMenu.h"
#include "display/OutputPane.h"
#include "display/OutputView.h"
#include "display/TextSelection.h"
#include "info/AboutDialog.h"
#include "info/NewsWindow.h"
#include "input/InputLineEdit.h"
#include "login/AutoLoginDialog.h"
#include "login/LoginDohickey.h"
#include "profiles/ProfilesDialog.h"
#include "profiles/SelectActiveProfileDialog.h"
#include "remote/FileBrowserWindow.h"
#include "remote/HelpBrowserWindow.h"
#include "settings/ChatWindowOptionsDialog.h"
#include "settings/CodeEditingPreferencesDialog.h"
#include "settings/OptionsDialog.h"
#include "settings/OptionsPageDialog.h"
#include "social/FriendsListsDialog.h"
#include "social/WhoListWindow.h"
#include "social/WhoOptionsDialog.h"
#include "status/SkillsWindow.h"
#include "status/StatusWindows.h"

#include <QAction>
#include <QFontDialog>
#include <QMenu>
#include <QTimer>

namespace vesk {

MainCommands::MainCommands(Client& client, QtHost& host, ServerSocket& socket, MainWindow& window,
                           SiteAddresses sites)
    : QObject(&window), client_(client), host_(host), socket_(socket), window_(window),
      sites_(std::move(sites)) {
    client_.showHostInTitle(!sites_.fenmarchSite);
    createWindows();
    connectMenu();
    connectDialogMenu();
    connect(&window_.inputLine(), &InputLineEdit::connectToDevelopmentSite, this,
            &MainCommands::connectToDevelopmentSite);
    connect(&host_, &QtHost::changedSignal, this, &MainCommands::onChanged);
    wakeUp_ = new QTimer(this);
    wakeUp_->setSingleShot(true);
    connect(wakeUp_, &QTimer::timeout, this, &MainCommands::onWakeUp);
    connect(&host_, &QtHost::wakeUpRequested, this,
            [this](std::uint32_t milliseconds) { wakeUp_->start(static_cast<int>(milliseconds)); });
    connect(&host_, &QtHost::settingChangedSignal, this, [this](SettingKey key) {
        if (key == setting::showWhoLevel || key == setting::showWhoName ||
            key == setting::showWhoRace || key == setting::showWhoClass) {
            whoList_->refresh();
        }
    });
    // The connection ends before anything else of the window goes; the who list is hidden
    // with its open state kept.
    connect(&window_, &MainWindow::closing, this, [this] {
        exiting_ = true;
        socket_.closeForExit();
        whoList_->hide();
    });
}

void MainCommands::createWindows() {
    news_ = new NewsWindow(client_.news(), host_, &window_);
    whoList_ = new WhoListWindow(client_.whoList(), client_.preferences(), &window_);
    help_ = new HelpBrowserWindow(client_.helpBrowser(), &window_);
    // The who list keeps learning who logs on and off while its window is hidden, so it is
    // current whenever the player opens it.
    client_.windows().who = true;
    // Hidden because the client exits, it stays recorded as open.
    connect(whoList_, &WhoListWindow::shownChanged, this, [this](bool shown) {
        if (exiting_) {
            return;
        }
        client_.preferences().settings.setNumber(setting::showWhoWindow, shown ? 1 : 0);
    });
    host_.setLoginDetailsAsker([this] { return LoginDohickey::ask(&window_); });
    // A sound the player's trigger names that the sound system rejects while loading gets the
    // same box as one that cannot be opened at all.
    SoundPlayer::instance().setLateFailure([this](const std::string& path) {
        host_.showTitledWarning("Trigger", "Error playing WAV file '" + path + "'");
    });
    host_.setLoginDialogOpener(
        [this] { QTimer::singleShot(0, this, &MainCommands::openAutoLogin); });
}

void MainCommands::connectMenu() {
    MainMenu& menu = window_.menu();
    connect(menu.connectGame, &QAction::triggered, this, &MainCommands::connectToGame);
    connect(menu.disconnect, &QAction::triggered, this, &MainCommands::disconnectFromServer);
    connect(menu.reconnect, &QAction::triggered, this, &MainCommands::reconnect);
    connect(menu.whosOnline, &QAction::triggered, this, &MainCommands::connectToWhoService);
    connect(menu.logToFile, &QAction::triggered, this, &MainCommands::toggleLogging);
    connect(menu.exit, &QAction::triggered, this, &MainCommands::exitClient);
    connect(menu.statusWindow, &QAction::triggered, this,
            [this] { toggleSetting(setting::statusOpen); });
    connect(menu.chatPane, &QAction::triggered, this, [this] { toggleSetting(setting::chatOpen); });
}

void MainCommands::connectDialogMenu() {
    MainMenu& menu = window_.menu();
    connect(menu.options, &QAction::triggered, this, &MainCommands::openOptions);
    connect(menu.autoLogin, &QAction::triggered, this, &MainCommands::openAutoLogin);
    connect(menu.friendsLists, &QAction::triggered, this, &MainCommands::openFriendsLists);
    connect(menu.whoOptions, &QAction::triggered, this, &MainCommands::openWhoOptions);
    connect(menu.whoList, &QAction::triggered, this, &MainCommands::toggleWhoList);
    connect(menu.chatOptions, &QAction::triggered, this, &MainCommands::openChatOptions);
    connect(menu.skillsWindow, &QAction::triggered, this,
            [this] { window_.statusWindows().skills().toggle(); });
    connect(menu.about, &QAction::triggered, this, &MainCommands::openAbout);
    connect(menu.profiles, &QAction::triggered, this,
            [this] { openProfiles(client_.preferences().activeProfile); });
    connect(menu.setActiveProfile, &QAction::triggered, this,
            &MainCommands::openSelectActiveProfile);
    connect(menu.onlineHelp, &QAction::triggered, this, &MainCommands::showOnlineHelp);
    for (const auto& [action, kind] : menu.optionPageActions) {
        connect(action, &QAction::triggered, this, [this, kind = kind] { openOptionsPage(kind); });
    }
    connect(&menu, &MainMenu::codingMenuInserted, this, [this, &menu] {
        connect(menu.codingPreferences, &QAction::triggered, this,
                &MainCommands::openCodingPreferences);
        connect(menu.openEditor, &QAction::triggered, this, &MainCommands::openEditor);
        connect(menu.fileBrowser, &QAction::triggered, this, &MainCommands::showFileBrowser);
    });
    for (OutputView* view :
         {&window_.outputView(), &window_.outputPane().tail(), &window_.chatView()}) {
        connect(view, &OutputView::menuRequested, this, [this, view](QPoint position) {
            buildOutputMenu(*view, position)->popup(view->mapToGlobal(position));
        });
    }
    if (client_.preferences().settings.isOn(setting::showWhoWindow)) {
        QTimer::singleShot(0, whoList_, [this] { showWhoList(); });
    }
    if (client_.preferences().settings.isOn(setting::displayLoginAtStartup)) {
        QTimer::singleShot(0, this, &MainCommands::openAutoLogin);
    }
}

void MainCommands::onChanged(Change what) {
    switch (what) {
    case Change::News:
        news_->refresh();
        break;
    case Change::WhoList:
        whoList_->refresh();
        break;
    case Change::HelpBrowser:
    case Change::FileBrowser:
        help_->refresh();
        if (fileBrowser_) {
            fileBrowser_->refresh();
        }
        break;
    case Change::Menu:
        refreshAutoLogin();
        break;
    default:
        break;
    }
}

int MainCommands::widthBesideMainWindow() const {
    if (!client_.preferences().settings.isOn(setting::showWhoWindow) || !whoList_->neverPlaced()) {
        return 0;
    }
    return whoList_->frameGeometry().width() + WhoListWindow::gapBeside;
}

void MainCommands::connectToGame() {
    socket_.connectToSite(sites_.hostName, sites_.gamePort, "FenmarchMUD");
}

void MainCommands::connectToWhoService() {
    socket_.connectToSite(sites_.hostName, sites_.whoPort, "FenmarchMUD");
}

void MainCommands::connectToDevelopmentSite() {
    socket_.connectToSite(sites_.hostName, sites_.developmentPort, "FenmarchDevel");
}

void MainCommands::disconnectFromServer() {
    socket_.disconnectFromServer();
}

void MainCommands::reconnect() {
    if (client_.connection().connected()) {
        socket_.disconnectFromServer();
    }
    client_.reconnection().stop();
    connectToLastSite();
}

void MainCommands::connectToLastSite() {
    const Connection::Target& target = client_.connection().target();
    if (target.hostName.empty()) {
        return;
    }
    const auto port = client_.connection().portNumber();
    socket_.connectToSite(toQString(target.hostName), port.value_or(0), toQString(target.siteName));
}

// An attempt waits while a login dialog (or any box) asks the player for something.
void MainCommands::onWakeUp() {
    const bool loginDialogAsking = autoLogin_ || host_.readsHeld();
    if (client_.onWakeUp(loginDialogAsking)) {
        connectToLastSite();
    }
}

void MainCommands::exitClient() {
    exiting_ = true;
    socket_.closeForExit();
    window_.close();
}

void MainCommands::toggleLogging() {
    client_.ToggleLogging();
    window_.menu().refresh();
}

void MainCommands::toggleSetting(SettingKey key) {
    Settings& settings = client_.preferences().settings;
    settings.setNumber(key, settings.isOn(key) ? 0 : 1);
}

QMenu* MainCommands::buildOutputMenu(OutputView& view, QPoint position) {
    OutputMenu::Hooks hooks;
    hooks.sendCommand = [this](const std::string& command) {
        client_.commandSender().SendUserCommand(command, true);
    };
    hooks.openAddress = [this](const std::string& address) { host_.openUrl(address); };
    hooks.copyBuffer = [this] { host_.setClipboardText(QueryText(client_.mainBuffer())); };
    // The tail is the main view's lower part: clearing it clears the main view.
    OutputView& cleared = &view == &window_.outputPane().tail() ? window_.outputView() : view;
    hooks.clear = [this, &cleared] {
        if (FindDialog* find = window_.findDialog()) {
            find->close();
        }
        cleared.clear();
    };
    return OutputMenu::build(view, position, client_.codingAccess(), hooks, &window_);
}

// The settings the pages change announce themselves; the windows follow them.
void MainCommands::openOptions() {
    OptionsDialog dialog(client_.preferences(), &window_);
    connect(&dialog, &OptionsDialog::fontRequested, this, &MainCommands::chooseMainFont);
    dialog.run();
}

void MainCommands::openOptionsPage(OptionsPageKind kind) {
    OptionsPageDialog dialog(kind, client_.preferences(), &window_);
    connect(&dialog, &OptionsPageDialog::fontRequested, this, &MainCommands::chooseMainFont);
    dialog.run();
}

void MainCommands::chooseMainFont() {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, window_.mainFont(), &window_, "Font",
                                            QFontDialog::MonospacedFonts);
    if (chosen) {
        window_.applyChosenFont(font);
    }
}

void MainCommands::openAutoLogin() {
    if (autoLogin_) {
        autoLogin_->raise();
        autoLogin_->activateWindow();
        return;
    }
    AutoLoginDialog::Hooks hooks;
    hooks.connectToGame = [this](int) { connectToGame(); };
    hooks.connectToWhoService = [this] { connectToWhoService(); };
    hooks.quit = [this] { QTimer::singleShot(0, this, &MainCommands::exitClient); };
    hooks.editProfiles = [this](int profile) { openProfiles(profile); };
    auto* dialog = new AutoLoginDialog({client_.preferences(), client_.autoLogin(),
                                        client_.connection(), client_.typedText(), host_},
                                       hooks, &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    autoLogin_ = dialog;
    dialog->exec();
    // The stored characters are no settings of the table: they are written here.
    window_.saveSettings();
}

void MainCommands::refreshAutoLogin() {
    if (auto* dialog = qobject_cast<AutoLoginDialog*>(autoLogin_.data())) {
        dialog->refresh();
    }
}

void MainCommands::openFriendsLists() {
    FriendsListsDialog::run(client_.preferences(), &window_);
    whoList_->refresh();
    window_.saveSettings();
}

void MainCommands::openWhoOptions() {
    WhoOptionsDialog::run(client_.preferences(), &window_, [this] { openFriendsLists(); });
}

void MainCommands::toggleWhoList() {
    if (whoList_->isVisible()) {
        whoList_->hide();
    } else {
        showWhoList();
    }
}

// Never placed by the player, the list opens beside the main window rather than over its text.
void MainCommands::showWhoList() {
    if (whoList_->neverPlaced()) {
        whoList_->placeBeside(window_.frameGeometry());
    }
    whoList_->show();
}

void MainCommands::openChatOptions() {
    ChatWindowOptionsDialog(client_.preferences(), &window_).run();
}

void MainCommands::openCodingPreferences() {
    CodeEditingPreferencesDialog(client_.preferences(), client_.transfer(), &window_).run();
}

void MainCommands::openEditor() {
    client_.transfer().RunEditor();
}

void MainCommands::openAbout() {
    AboutDialog(host_, &window_).exec();
}

void MainCommands::openProfiles(int profileIndex) {
    ProfilesDialog dialog(client_.preferences(),
                          fromLocalBytes(client_.workingDirectory().string()), profileIndex,
                          &window_);
    connect(&dialog, &ProfilesDialog::saveRequested, &window_, &MainWindow::saveSettings);
    dialog.exec();
}

void MainCommands::openSelectActiveProfile() {
    SelectActiveProfileDialog dialog(client_.preferences(), &window_);
    connect(&dialog, &SelectActiveProfileDialog::saveRequested, &window_,
            &MainWindow::saveSettings);
    dialog.setEditProfilesHook([this](int index) { openProfiles(index); });
    dialog.setAutoLoginHook([this] { openAutoLogin(); });
    dialog.exec();
}

// The help browser itself tells the player when the command needs a connection.
void MainCommands::showOnlineHelp() {
    help_->showFromMenu();
}

void MainCommands::showFileBrowser() {
    if (!fileBrowser_) {
        fileBrowser_ =
            new FileBrowserWindow(client_.fileBrowser(), client_.commandSender(), &window_);
    }
    fileBrowser_->showBrowser();
}

} // namespace vesk
