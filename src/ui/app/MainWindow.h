#pragma once

#include "app/MainWindowLayout.h"
#include "common/Host.h"
#include "display/FindState.h"
#include "settings/SettingsTable.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class QKeyEvent;
class QScrollBar;

namespace vesk {

class Client;
class FindDialog;
class InputLineEdit;
class LagBar;
class LagReadout;
class MainMenu;
class OutputPane;
class OutputView;
class QtHost;
class StatusWindows;

// The one main window: the output view with its scroll bar, the input line under it, the docked
// status pane with the lag meter, and the chat pane when open, placed by the layout arithmetic;
// the menu bar; the title; the text panes' font and zoom; the once-a-second lag refresh; the
// window placement, restored at start and saved at exit. It follows the core's notices and the
// settings it shows. What the menu's commands do is the command table's (MainCommands).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Client& client, QtHost& host);
    ~MainWindow() override;

    // Restores the saved placement and shows the window. On the very first start, with no
    // placement saved yet, the window opens centred and wide enough for the text width;
    // `besideWidth` is the width of the who list that opens beside it then, or 0.
    void showAtSavedPlacement(bool firstStart = false, int besideWidth = 0);

    void relayout();
    void applyMainFont(const QFont& font);
    const QFont& mainFont() const { return mainFont_; }
    // Ctrl+Plus / Ctrl+Minus (and Ctrl with the wheel over a text pane): the text panes' font a
    // step larger or smaller, saved like a font chosen with "Set Font". Ctrl+0: back to the
    // normal size, the one chosen with "Set Font" (or the one before the first zoom).
    void zoomText(int steps);
    void resetTextSize();
    // A font chosen with "Set Font": applied to the text panes and the input line, saved, and
    // its size the normal one from then on.
    void applyChosenFont(const QFont& font);
    void copySelection();
    void openFind();
    // Every settings file is written now.
    void saveSettings();
    // A setting changed: the windows that show it follow, and it is saved at the next turn of
    // the event loop unless it is kept until exit.
    void followSetting(SettingKey key);

    OutputView& outputView() { return *output_; }
    // The main output view with its live tail, split while the player reads back.
    OutputPane& outputPane() { return *outputPane_; }
    QScrollBar& outputScrollBar() { return *outputScroll_; }
    OutputView& chatView() { return *chat_; }
    InputLineEdit& inputLine() { return *input_; }
    MainMenu& menu() { return *menu_; }
    LagReadout& lagReadout() { return *lagReadout_; }
    StatusWindows& statusWindows() { return *status_; }
    FindDialog* findDialog() const;
    const MainLayout& currentLayout() const { return layout_; }

signals:
    // The window is closing, by Exit or its close box: the connection ends before anything
    // else, and the windows the commands own are hidden with their open state kept.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPanes();
    void connectOutputPane();
    void createStatusWindows();
    void connectInput();
    void onChanged(Change what);
    void refreshInputMask();
    void onLagTimer();
    void refreshLagDisplay();
    void refreshTitle();
    void afterSelection();
    void clearSelections();
    void selectAllOutput();
    // A zoom key pressed anywhere in the window; true when it was one.
    bool zoomKey(const QKeyEvent& event);
    void applyTextSize(int pixels);
    void applyColours();
    void savePlacement();
    void saveSoon();

    Client& client_;
    QtHost& host_;
    FindState findState_;
    QWidget* panes_ = nullptr;
    OutputPane* outputPane_ = nullptr;
    OutputView* output_ = nullptr;
    QScrollBar* outputScroll_ = nullptr;
    OutputView* chat_ = nullptr;
    QScrollBar* chatScroll_ = nullptr;
    InputLineEdit* input_ = nullptr;
    StatusWindows* status_ = nullptr;
    LagReadout* lagReadout_ = nullptr;
    LagBar* lagBar_ = nullptr;
    MainMenu* menu_ = nullptr;
    QPointer<FindDialog> find_;
    QTimer lagTimer_;
    QFont mainFont_;
    MainLayout layout_;
    // Set once the window closes: from then on nothing the closing windows do is recorded as
    // the player's choice.
    bool closing_ = false;
    // A save is due at the next turn of the event loop.
    bool savePending_ = false;
};

} // namespace vesk
