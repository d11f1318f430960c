#pragma once

#include "app/SiteAddresses.h"
#include "common/Host.h"
#include "settings/OptionsPages.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

class QDialog;
class QFont;
class QMenu;
class QTimer;

namespace vesk {

class Client;
class FileBrowserWindow;
class HelpBrowserWindow;
class MainWindow;
class NewsWindow;
class OutputView;
class QtHost;
class ServerSocket;
class WhoListWindow;

// The command table of the main window: every menu item and key command, turned into a call
// on the core, the socket or a window, and the dialogs and windows those commands open (the
// who list, the news, the help and file browsers, the automatic login, options and profiles).
// The main window shows the panes; nothing here lays them out.
class MainCommands : public QObject {
    Q_OBJECT
public:
    MainCommands(Client& client, QtHost& host, ServerSocket& socket, MainWindow& window,
                 SiteAddresses sites);

    void connectToGame();
    void connectToWhoService();
    void connectToDevelopmentSite();
    void disconnectFromServer();
    // File > Reconnect: the site last used again, the stored character answering its prompts
    // as at the first connection; an open connection is ended first.
    void reconnect();
    // File > Exit, also the system's request to end: the connection ends, the window closes.
    void exitClient();
    void toggleLogging();

    void openOptions();
    void openOptionsPage(OptionsPageKind kind);
    void chooseMainFont();
    void openAutoLogin();
    void openFriendsLists();
    void openWhoOptions();
    void toggleWhoList();
    void showWhoList();
    void openChatOptions();
    void openCodingPreferences();
    void openAbout();
    void openEditor();
    void openProfiles(int profileIndex);
    void openSelectActiveProfile();
    void showOnlineHelp();
    void showFileBrowser();

    // The right-click menu of a text pane for a point of it, not yet shown.
    QMenu* buildOutputMenu(OutputView& view, QPoint position);

    WhoListWindow& whoListWindow() { return *whoList_; }
    // The width the who list takes beside the main window at the first start (when it opens
    // there), or 0.
    int widthBesideMainWindow() const;

private:
    void connectMenu();
    void connectDialogMenu();
    void createWindows();
    void onChanged(Change what);
    void refreshAutoLogin();
    void toggleSetting(SettingKey key);
    void connectToLastSite();
    void onWakeUp();

    Client& client_;
    QtHost& host_;
    ServerSocket& socket_;
    MainWindow& window_;
    SiteAddresses sites_;
    NewsWindow* news_ = nullptr;
    WhoListWindow* whoList_ = nullptr;
    HelpBrowserWindow* help_ = nullptr;
    FileBrowserWindow* fileBrowser_ = nullptr;
    QPointer<QDialog> autoLogin_;
    QTimer* wakeUp_ = nullptr;
    // Set by Exit (or the window's close): from then on nothing the closing windows do is
    // recorded as the player's choice.
    bool exiting_ = false;
};

} // namespace vesk
