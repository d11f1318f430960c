#pragma once

#include "settings/OptionsPages.h"

#include <QObject>

#include <utility>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

namespace vesk {

class Client;

// The main window's menu bar and the state of its items: the connect items are greyed while a
// connection exists and Disconnect while none does (nor a wait to reconnect); Reconnect once a
// site has been used; "Log To File", "Status Window" and "Skills
// Window" carry check marks; "&Coding" is inserted once, when the server grants coder access.
class MainMenu : public QObject {
    Q_OBJECT
public:
    MainMenu(QMainWindow& window, Client& client);

    // Re-reads the connection state, check marks and coder access.
    void refresh();

    QAction* connectGame = nullptr;
    QAction* disconnect = nullptr;
    // Connects again to the site last used (ending the connection first when there is one).
    QAction* reconnect = nullptr;
    QAction* autoLogin = nullptr;
    QAction* whosOnline = nullptr;
    QAction* logToFile = nullptr;
    QAction* exit = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* find = nullptr;
    QAction* options = nullptr;
    QAction* profiles = nullptr;
    QAction* setActiveProfile = nullptr;
    QAction* statusWindow = nullptr;
    QAction* skillsWindow = nullptr;
    QAction* chatPane = nullptr;
    QAction* whoList = nullptr;
    QAction* friendsLists = nullptr;
    QAction* whoOptions = nullptr;
    // Alt+S: the status pane in words, written into the output for a screen reader to read.
    QAction* describeStatus = nullptr;
    QAction* chatOptions = nullptr;
    // The option pages on their own, each with the page it opens.
    std::vector<std::pair<QAction*, OptionsPageKind>> optionPageActions;
    QAction* onlineHelp = nullptr;
    QAction* about = nullptr;
    QAction* codingPreferences = nullptr;
    QAction* openEditor = nullptr;
    QAction* fileBrowser = nullptr;

    bool codingMenuShown() const { return codingMenu_ != nullptr; }

signals:
    void codingMenuInserted();

private:
    void buildFileMenu();
    void buildEditMenu();
    void buildProfilesMenu();
    void buildWindowMenu();
    void buildHelpMenu();
    void insertCodingMenu();

    QMainWindow& window_;
    Client& client_;
    QMenu* fileMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* codingMenu_ = nullptr;
};

} // namespace vesk
