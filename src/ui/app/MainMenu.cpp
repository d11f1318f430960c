#include "app/MainMenu.h"

#include "app/Client.h"
#include "settings/SettingsTable.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>

namespace vesk {

MainMenu::MainMenu(QMainWindow& window, Client& client)
    : QObject(&window), window_(window), client_(client) {
    buildFileMenu();
    buildEditMenu();
    buildProfilesMenu();
    buildWindowMenu();
    buildHelpMenu();
    refresh();
}

void MainMenu::buildFileMenu() {
    fileMenu_ = window_.menuBar()->addMenu("&File");
    connectGame = fileMenu_->addAction("Connect to &FenmarchMUD");
    disconnect = fileMenu_->addAction("Dis&connect");
    // Ctrl with a letter belongs to the macros; with Shift as well it is the client's.
    reconnect = fileMenu_->addAction("&Reconnect");
    reconnect->setShortcut(QKeySequence("Ctrl+Shift+R"));
    reconnect->setShortcutContext(Qt::WindowShortcut);
    autoLogin = fileMenu_->addAction("&AutoLogin");
    whosOnline = fileMenu_->addAction("&Who's Online");
    fileMenu_->addSeparator();
    logToFile = fileMenu_->addAction("&Log To File");
    logToFile->setCheckable(true);
    fileMenu_->addSeparator();
    exit = fileMenu_->addAction("E&xit");
    exit->setMenuRole(QAction::QuitRole);
}

void MainMenu::buildEditMenu() {
    QMenu* edit = window_.menuBar()->addMenu("&Edit");
    copy = edit->addAction("&Copy");
    copy->setShortcuts({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Insert")});
    // The input line handles its own keys; the shortcuts work from the other panes.
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    paste = edit->addAction("&Paste");
    find = edit->addAction("&Find");
    edit->addSeparator();
    options = edit->addAction("&Options");
    options->setMenuRole(QAction::PreferencesRole);
    QMenu* pages = edit->addMenu("Option &Pages");
    using Kind = OptionsPageKind;
    for (const auto& [title, kind] :
         std::initializer_list<std::pair<const char*, Kind>>{{"&General...", Kind::General},
                                                             {"&Status...", Kind::Status},
                                                             {"Cmd. S&tack...", Kind::CommandStack},
                                                             {"&Fonts/Colors...", Kind::Colours},
                                                             {"&Logging...", Kind::Logging},
                                                             {"&Help...", Kind::Help}}) {
        optionPageActions.emplace_back(pages->addAction(title), kind);
    }
}

void MainMenu::buildProfilesMenu() {
    QMenu* menu = window_.menuBar()->addMenu("&Profiles");
    profiles = menu->addAction("&Profiles");
    setActiveProfile = menu->addAction("&Set Active Profile");
}

void MainMenu::buildWindowMenu() {
    windowMenu_ = window_.menuBar()->addMenu("&Window");
    statusWindow = windowMenu_->addAction("&Status Window");
    statusWindow->setCheckable(true);
    skillsWindow = windowMenu_->addAction("Skills Window");
    skillsWindow->setCheckable(true);
    chatPane = windowMenu_->addAction("&Chat Pane");
    chatPane->setCheckable(true);
    chatOptions = windowMenu_->addAction("Chat Window &Options...");
    describeStatus = windowMenu_->addAction("&Describe Status");
    describeStatus->setShortcut(QKeySequence("Alt+S"));
    windowMenu_->addSeparator();
    whoList = windowMenu_->addAction("Who &List");
    whoList->setCheckable(true);
    friendsLists = windowMenu_->addAction("&Friends Lists...");
    whoOptions = windowMenu_->addAction("'&Who' Options...");
}

void MainMenu::buildHelpMenu() {
    QMenu* help = window_.menuBar()->addMenu("&Help");
    onlineHelp = help->addAction("&FenmarchMUD Online Help");
    about = help->addAction("&About");
    about->setMenuRole(QAction::AboutRole);
}

// The "&Coding" menu goes second in the menu bar, once.
void MainMenu::insertCodingMenu() {
    codingMenu_ = new QMenu("&Coding", &window_);
    codingPreferences = codingMenu_->addAction("&Preferences");
    openEditor = codingMenu_->addAction("&Open Editor");
    fileBrowser = codingMenu_->addAction("&File Browser");
    const auto actions = window_.menuBar()->actions();
    window_.menuBar()->insertMenu(actions.value(1), codingMenu_);
}

void MainMenu::refresh() {
    const bool idle = client_.connection().phase() == Connection::Phase::NotConnected;
    connectGame->setEnabled(idle);
    whosOnline->setEnabled(idle);
    autoLogin->setEnabled(idle);
    // Disconnect also stops a wait to reconnect.
    disconnect->setEnabled(client_.connection().connected() || client_.reconnection().active());
    const Connection::Phase phase = client_.connection().phase();
    reconnect->setEnabled(
        !client_.connection().target().hostName.empty() &&
        (phase == Connection::Phase::NotConnected || phase == Connection::Phase::Connected));
    logToFile->setChecked(client_.sessionLog().loggingOn());
    const Settings& settings = client_.preferences().settings;
    statusWindow->setChecked(settings.isOn(setting::statusOpen));
    skillsWindow->setChecked(settings.isOn(setting::skillsOpen));
    chatPane->setChecked(settings.isOn(setting::chatOpen));
    whoList->setChecked(settings.isOn(setting::showWhoWindow));
    if (client_.codingAccess() && !codingMenu_) {
        insertCodingMenu();
        emit codingMenuInserted();
    }
}

} // namespace vesk
