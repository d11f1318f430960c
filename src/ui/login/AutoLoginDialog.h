#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class QListWidget;
class QPushButton;

namespace vesk {

class AutoLogin;
class CharacterEditor;
class Connection;
class Host;
class Preferences;
class TypedTextEncoding;

// The "Auto Login Thingamijig": the stored characters, edited in place, and the buttons that
// connect with one of them. Connecting itself belongs to the main window, which owns the
// socket; the dialog asks for it through its hooks.
class AutoLoginDialog : public QDialog {
    Q_OBJECT
public:
    // What the dialog shows and changes: the stored characters and their settings, the
    // automatic login it chooses a character for, and whether a connection is there.
    struct Parts {
        Preferences& preferences;
        AutoLogin& autoLogin;
        const Connection& connection;
        const TypedTextEncoding& typedText;
        Host& host;
    };

    struct Hooks {
        // Start the game connection (port 3000). The dialog has already chosen the
        // character with AutoLogin::connectWithCharacter(slot); the slot is passed for
        // information (-1 without one).
        std::function<void(int slot)> connectToGame;
        // Start the who's-online connection (port 3005).
        std::function<void()> connectToWhoService;
        // The application's Exit command. Called just before the dialog closes, so the main
        // window should queue it rather than tear down inside the call.
        std::function<void()> quit;
        // Open the Profiles dialog with this profile selected (-1 for none) and return when
        // it has closed; the dialog then reloads the profile names and the record.
        std::function<void(int profileIndex)> editProfiles;
    };

    AutoLoginDialog(Parts parts, Hooks hooks, QWidget* parent = nullptr);

    // The slot of the selected character, or -1.
    int selectedSlot() const;
    void selectSlot(int slot);
    // The connection or login state changed while the dialog is open.
    void refresh();

    // The buttons' actions, one each.
    void connectToGame();
    void seeWhoIsOn();
    void newCharacter();
    void copyCharacter();
    void deleteCharacter();
    void quitVesk();

private:
    void buildLayout();
    QGroupBox* buildCharactersBox();
    QWidget* buildActionRow();
    void connectSignals();
    void fillList();
    void updateListLine(int slot);
    void updateEnabling();
    void editProfiles(int profileIndex);
    bool refuseWhenConnected();
    void showNoSpace();
    void showNoSelection();

    Parts parts_;
    Hooks hooks_;
    QListWidget* characters_ = nullptr;
    CharacterEditor* editor_ = nullptr;
    QPushButton* newCharacter_ = nullptr;
    QPushButton* copyCharacter_ = nullptr;
    QPushButton* deleteCharacter_ = nullptr;
    QPushButton* connect_ = nullptr;
    QPushButton* seeWho_ = nullptr;
    QPushButton* quit_ = nullptr;
    QPushButton* close_ = nullptr;
    QCheckBox* atStartup_ = nullptr;
    QCheckBox* atDisconnect_ = nullptr;
};

} // namespace vesk
