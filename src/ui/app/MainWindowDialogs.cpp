// The main window's dialogs and auxiliary windows: options, the automatic login, friends and
// the who list, news, the coding preferences and the About box.
#include "app/MainWindow.h"

#include "app/Client.h"
#include "app/MainFont.h"
#include "app/MainMenu.h"
#include "app/QtHost.h"
#include "app/SoundPlayer.h"
#include "display/ColourPalette.h"
#include "display/OutputView.h"
#include "info/AboutDialog.h"
#include "info/NewsWindow.h"
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
#include "settings/OptionsPages.h"
#include "social/FriendsListsDialog.h"
#include "social/WhoListWindow.h"
#include "social/WhoOptionsDialog.h"
#include "status/SkillsWindow.h"

#include <QAction>
#include <QFontDialog>
#include <QFontInfo>
#include <QMenu>
#include <QTimer>

namespace vesk {

void MainWindow::createAuxiliaryWindows() {
    news_ = new NewsWindow(client_.news(), host_, this);
    whoList_ = new WhoListWindow(client_.whoList(), client_.preferences(), this);
    help_ = new HelpBrowserWindow(client_.helpBrowser(), this);
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
    host_.setLoginDetailsAsker([this] { return LoginDohickey::ask(this); });
    // A sound the player's trigger names that the sound system rejects while loading gets the
    // same box as one that cannot be opened at all.
    SoundPlayer::instance().setLateFailure([this](const std::string& path) {
        host_.showTitledWarning("Trigger", "Error playing WAV file '" + path + "'");
    });
    host_.setLoginDialogOpener([this] { QTimer::singleShot(0, this, &MainWindow::openAutoLogin); });
}

void MainWindow::connectDialogMenu() {
    connect(menu_->options, &QAction::triggered, this, &MainWindow::openOptions);
    connect(menu_->autoLogin, &QAction::triggered, this, &MainWindow::openAutoLogin);
    connect(menu_->friendsLists, &QAction::triggered, this, &MainWindow::openFriendsLists);
    connect(menu_->whoOptions, &QAction::triggered, this, &MainWindow::openWhoOptions);
    connect(menu_->whoList, &QAction::triggered, this, &MainWindow::toggleWhoList);
    connect(menu_->chatOptions, &QAction::triggered, this, &MainWindow::openChatOptions);
    connect(menu_->skillsWindow, &QAction::triggered, this, [this] { skills_->toggle(); });
    connect(menu_->about, &QAction::triggered, this, &MainWindow::openAbout);
    connect(menu_->profiles, &QAction::triggered, this,
            [this] { openProfiles(client_.preferences().activeProfile); });
    connect(menu_->setActiveProfile, &QAction::triggered, this,
            &MainWindow::openSelectActiveProfile);
    connect(menu_->onlineHelp, &QAction::triggered, this, &MainWindow::showOnlineHelp);
    for (const auto& [action, kind] : menu_->optionPageActions) {
        connect(action, &QAction::triggered, this, [this, kind = kind] { openOptionsPage(kind); });
    }
    connect(menu_, &MainMenu::codingMenuInserted, this, [this] {
        connect(menu_->codingPreferences, &QAction::triggered, this,
                &MainWindow::openCodingPreferences);
        connect(menu_->openEditor, &QAction::triggered, this, &MainWindow::openEditor);
        connect(menu_->fileBrowser, &QAction::triggered, this, &MainWindow::showFileBrowser);
    });
    if (client_.preferences().settings.isOn(setting::showWhoWindow)) {
        QTimer::singleShot(0, whoList_, [this] { showWhoList(); });
    }
    if (client_.preferences().settings.isOn(setting::displayLoginAtStartup)) {
        QTimer::singleShot(0, this, &MainWindow::openAutoLogin);
    }
}

void MainWindow::saveSettings() {
    savePending_ = false;
    client_.saveSettings();
}

// The settings the pages change announce themselves; the windows follow them.
void MainWindow::openOptions() {
    OptionsDialog dialog(client_.preferences(), this);
    connect(&dialog, &OptionsDialog::fontRequested, this, &MainWindow::chooseMainFont);
    dialog.run();
}

void MainWindow::openOptionsPage(OptionsPageKind kind) {
    OptionsPageDialog dialog(kind, client_.preferences(), this);
    connect(&dialog, &OptionsPageDialog::fontRequested, this, &MainWindow::chooseMainFont);
    dialog.run();
}

void MainWindow::chooseMainFont() {
    bool chosen = false;
    const QFont font =
        QFontDialog::getFont(&chosen, mainFont_, this, "Font", QFontDialog::MonospacedFonts);
    if (chosen) {
        applyChosenFont(font);
    }
}

void MainWindow::applyChosenFont(const QFont& font) {
    client_.preferences().font = fontRecordOf(font);
    // The chosen size is the normal one Ctrl+0 returns to.
    client_.preferences().settings.setNumber(setting::normalFontHeight,
                                             QFontInfo(font).pixelSize());
    applyMainFont(font);
    applyStatusFonts();
    saveSettings();
}

void MainWindow::openAutoLogin() {
    if (autoLogin_) {
        autoLogin_->raise();
        autoLogin_->activateWindow();
        return;
    }
    AutoLoginDialog::Hooks hooks;
    hooks.connectToGame = [this](int) { connectToGame(); };
    hooks.connectToWhoService = [this] { connectToWhoService(); };
    hooks.quit = [this] { QTimer::singleShot(0, this, &MainWindow::exitClient); };
    hooks.editProfiles = [this](int profile) { openProfiles(profile); };
    auto* dialog = new AutoLoginDialog(client_, host_, hooks, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    autoLogin_ = dialog;
    dialog->exec();
    saveSettings();
}

void MainWindow::refreshAutoLogin() {
    if (auto* dialog = qobject_cast<AutoLoginDialog*>(autoLogin_.data())) {
        dialog->refresh();
    }
}

void MainWindow::openFriendsLists() {
    FriendsListsDialog::run(client_.preferences(), this);
    whoList_->refresh();
    saveSettings();
}

void MainWindow::openWhoOptions() {
    WhoOptionsDialog::run(client_.preferences(), this, [this] { openFriendsLists(); });
}

void MainWindow::toggleWhoList() {
    if (whoList_->isVisible()) {
        whoList_->hide();
    } else {
        showWhoList();
    }
}

// Never placed by the player, the list opens beside the main window rather than over its text.
void MainWindow::showWhoList() {
    if (whoList_->neverPlaced()) {
        whoList_->placeBeside(frameGeometry());
    }
    whoList_->show();
}

void MainWindow::refreshWhoList() {
    whoList_->refresh();
}

void MainWindow::refreshNews() {
    news_->refresh();
}

void MainWindow::openChatOptions() {
    ChatWindowOptionsDialog(client_.preferences(), this).run();
}

void MainWindow::openCodingPreferences() {
    CodeEditingPreferencesDialog(client_.preferences(), client_.transfer(), this).run();
}

void MainWindow::openEditor() {
    client_.transfer().RunEditor();
}

void MainWindow::openAbout() {
    AboutDialog(host_, this).exec();
}

void MainWindow::openProfiles(int profileIndex) {
    ProfilesDialog dialog(client_, profileIndex, this);
    connect(&dialog, &ProfilesDialog::saveRequested, this, &MainWindow::saveSettings);
    dialog.exec();
}

void MainWindow::openSelectActiveProfile() {
    SelectActiveProfileDialog dialog(client_.preferences(), this);
    connect(&dialog, &SelectActiveProfileDialog::saveRequested, this, &MainWindow::saveSettings);
    dialog.setEditProfilesHook([this](int index) { openProfiles(index); });
    dialog.setAutoLoginHook([this] { openAutoLogin(); });
    dialog.exec();
}

// The help browser itself tells the player when the command needs a connection.
void MainWindow::showOnlineHelp() {
    help_->showFromMenu();
}

void MainWindow::showFileBrowser() {
    if (!fileBrowser_) {
        fileBrowser_ = new FileBrowserWindow(client_.fileBrowser(), client_.commandSender(), this);
    }
    fileBrowser_->showBrowser();
}

void MainWindow::refreshBrowsers() {
    help_->refresh();
    if (fileBrowser_) {
        fileBrowser_->refresh();
    }
}

} // namespace vesk
