#pragma once

#include "app/MainWindowLayout.h"
#include "app/SiteAddresses.h"
#include "common/Host.h"
#include "display/FindState.h"
#include "settings/OptionsPages.h"
#include "settings/SettingsTable.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>

class QKeyEvent;
class QLabel;
class QMenu;
class QScrollBar;

namespace vesk {

class Client;
class FindDialog;
class InputLineEdit;
class LagBar;
class LagReadout;
class MainMenu;
class FileBrowserWindow;
class HelpBrowserWindow;
class NewsWindow;
class OutputView;
class SkillsWindow;
class StatusFrameWindow;
class StatusPane;
class WhoListWindow;
class QtHost;
class ServerSocket;

// The one main window: the output view with its scroll bar, the input line under it, the docked
// status pane with the lag meter, and the chat pane when open, placed by the layout arithmetic;
// the menu and its commands; the title; the once-a-second lag refresh; the window placement,
// restored at start and saved at exit.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Client& client, QtHost& host, SiteAddresses sites);
    ~MainWindow() override;

    // Restores the saved placement and shows the window. On the very first start, with no
    // placement saved yet, the window opens centred and wide enough for the text width.
    void showAtSavedPlacement(bool firstStart = false);

    // Commands of the menu, also used by the tests and the dialogs.
    void connectToGame();
    void connectToWhoService();
    void connectToDevelopmentSite();
    void disconnectFromServer();
    void exitClient();
    void copySelection();
    void openFind();
    void relayout();
    void applyMainFont(const QFont& font);
    // Ctrl+Plus / Ctrl+Minus (and Ctrl with the wheel over a text pane): the text panes' font a
    // step larger or smaller, saved like a font chosen with "Set Font". Ctrl+0: back to the
    // normal size, the one chosen with "Set Font" (or the one before the first zoom).
    void zoomText(int steps);
    void resetTextSize();
    // The right-click menu of a text pane for a point of it, not yet shown.
    QMenu* buildOutputMenu(OutputView& view, QPoint position);
    void saveSettings();
    // A setting changed: the windows that show it follow, and it is saved at the next turn of
    // the event loop unless it is kept until exit.
    void followSetting(SettingKey key);

    // Dialogs and windows of the menu.
    void openOptions();
    void openOptionsPage(OptionsPageKind kind);
    void chooseMainFont();
    // A font chosen with "Set Font": applied to the text panes and the input line, saved, and
    // its size the normal one from then on.
    void applyChosenFont(const QFont& font);
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
    void refreshStatusWindows();
    void toggleStatusWindow();
    void showStatusHolders();
    void applyStatusFonts();
    void showStatusMenu(QWidget& view, QPoint position);

    OutputView& outputView() { return *output_; }
    OutputView& chatView() { return *chat_; }
    InputLineEdit& inputLine() { return *input_; }
    MainMenu& menu() { return *menu_; }
    LagReadout& lagReadout() { return *lagReadout_; }
    StatusPane& statusPane() { return *statusPane_; }
    StatusFrameWindow& statusFrame() { return *statusFrame_; }
    SkillsWindow& skillsWindow() { return *skills_; }
    WhoListWindow& whoListWindow() { return *whoList_; }
    FindDialog* findDialog() const;
    const MainLayout& currentLayout() const { return layout_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPanes();
    void connectMenu();
    void connectInput();
    void onChanged(Change what);
    void refreshInputMask();
    void onLagTimer();
    void refreshLagDisplay();
    void refreshTitle();
    void showOutputMenu(OutputView& view, QPoint position);
    void afterSelection();
    void clearSelections();
    void selectAllOutput();
    // A zoom key pressed anywhere in the window; true when it was one.
    bool zoomKey(const QKeyEvent& event);
    void applyTextSize(int pixels);
    void toggleLogging();
    void toggleSetting(SettingKey key);
    void savePlacement();
    void saveSoon();
    void applyColours();
    void createAuxiliaryWindows();
    void hideAuxiliaryWindows();
    void createStatusWindows();
    void refreshNews();
    void refreshWhoList();
    void refreshAutoLogin();
    void refreshBrowsers();
    void connectDialogMenu();

    Client& client_;
    QtHost& host_;
    SiteAddresses sites_;
    std::unique_ptr<ServerSocket> socket_;
    FindState findState_;
    QWidget* panes_ = nullptr;
    OutputView* output_ = nullptr;
    QScrollBar* outputScroll_ = nullptr;
    OutputView* chat_ = nullptr;
    QScrollBar* chatScroll_ = nullptr;
    InputLineEdit* input_ = nullptr;
    StatusPane* statusPane_ = nullptr;
    StatusFrameWindow* statusFrame_ = nullptr;
    SkillsWindow* skills_ = nullptr;
    LagReadout* lagReadout_ = nullptr;
    LagBar* lagBar_ = nullptr;
    // The lag meter shown inside the floating status window.
    LagReadout* frameLagReadout_ = nullptr;
    LagBar* frameLagBar_ = nullptr;
    MainMenu* menu_ = nullptr;
    QPointer<FindDialog> find_;
    NewsWindow* news_ = nullptr;
    WhoListWindow* whoList_ = nullptr;
    HelpBrowserWindow* help_ = nullptr;
    FileBrowserWindow* fileBrowser_ = nullptr;
    QPointer<QDialog> autoLogin_;
    QTimer lagTimer_;
    QFont mainFont_;
    MainLayout layout_;
    // Set by Exit (or the window's close): from then on nothing the closing windows do is
    // recorded as the player's choice.
    bool exiting_ = false;
    // A save is due at the next turn of the event loop.
    bool savePending_ = false;
};

} // namespace vesk
