#include "RenderShot.h"
#include "ScriptedQtHost.h"
#include "SimProcess.h"
#include "SimWindowRig.h"
#include "TestApplication.h"
#include "app/Application.h"
#include "app/Client.h"
#include "app/MainCommands.h"
#include "app/MainFont.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "connection/LagReadout.h"
#include "input/InputLineEdit.h"
#include "login/AutoLoginDialog.h"
#include "profiles/MacrosPage.h"
#include "profiles/ProfilesDialog.h"
#include "profiles/TriggersPage.h"
#include "settings/SettingsTable.h"
#include "status/SkillsWindow.h"
#include "status/StatusWindows.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <fstream>
#include <functional>
#include <memory>

namespace vesk {

namespace {

constexpr int bound = uitest::simBound;

// A RIFF/WAVE file of a few silent 8-bit mono samples: the smallest file a player accepts.
void writeTinyWav(const std::string& path) {
    const std::string samples(64, '\x80');
    auto little = [](std::uint32_t value, int bytes) {
        std::string text;
        for (int byte = 0; byte < bytes; ++byte) {
            text += static_cast<char>((value >> (8 * byte)) & 0xff);
        }
        return text;
    };
    std::string file = "RIFF" + little(36 + samples.size(), 4) + "WAVE";
    file += "fmt " + little(16, 4) + little(1, 2) + little(1, 2) + little(8000, 4) +
            little(8000, 4) + little(1, 2) + little(8, 2);
    file += "data" + little(samples.size(), 4) + samples;
    std::ofstream(path, std::ios::binary) << file;
}

} // namespace

class MainWindowAgainstSimTest : public QObject {
    Q_OBJECT

private:
    using Rig = uitest::SimWindowRig;
    using RecordingHost = uitest::RecordingHost;

    static void clickButton(QWidget& dialog, const QString& text) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == text && button->isEnabled()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
    }

    static std::string fileText(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

private slots:
    void typedLoginSayAndDisconnectKeepThePasswordOut() {
        Rig rig([](Preferences& preferences) {
            Settings& settings = preferences.settings;
            settings.setNumber(setting::logAutoName, 0);
            settings.setText(setting::logFile, "session.log");
            settings.setNumber(setting::logEverything, 1);
        });
        QVERIFY(rig.window);
        rig.window->menu().logToFile->trigger();
        QVERIFY(rig.client.sessionLog().loggingOn());

        QVERIFY(rig.logInByTyping("Ardent", "zq8hidden"));
        // The room title arrives coloured and is stored with its colour sequence.
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows("\x1b[36m"), bound);
        rig.type("say hello");
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows("You say: hello"), bound);
        QVERIFY(rig.simLogged("sent a password"));

        rig.commands->disconnectFromServer();
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows("Connection closed."), bound);
        QVERIFY(rig.window->menu().connectGame->isEnabled());

        QVERIFY(!rig.shows("zq8hidden"));
        const std::string log = fileText(rig.path("session.log"));
        QVERIFY(log.find("You say: hello") != std::string::npos);
        QVERIFY(log.find("zq8hidden") == std::string::npos);
        for (const std::string& entry : rig.client.commandSender().history().entries()) {
            QVERIFY(entry.find("zq8hidden") == std::string::npos);
        }
        QVERIFY(rig.host.warnings.empty());
    }

    // The login's automatic sends outnumber the reads that answer them; with nothing typed the
    // lag read-out must stay at the real round trip (a few milliseconds on loopback) while the
    // other players' chatter keeps arriving, not measure the chatter against an old send.
    void lagAfterALoginWithNothingTypedStaysTheRoundTrip() {
        Rig rig({}, {"--chatter-ms", "150"});
        QVERIFY(rig.window);
        rig.window->statusWindows().skills().setOpen(
            true); // its request adds one more send at login
        rig.logInWithStoredCharacter("Tamsin", "tamsin");
        QTRY_VERIFY2_WITH_TIMEOUT(rig.simLogged("logged in as Tamsin"), rig.transcript().c_str(),
                                  bound);
        QTRY_VERIFY_WITH_TIMEOUT(rig.simLogged("challenge reply matched"), bound);
        const int before = rig.linesHolding("[Gossip]");
        QTRY_VERIFY2_WITH_TIMEOUT(rig.linesHolding("[Gossip]") >= before + 3,
                                  rig.transcript().c_str(), bound);
        QVERIFY2(rig.client.lagMeter().lagMilliseconds() < 100,
                 rig.client.lagReadout(false).c_str());
        // The window's own read-out, refreshed once a second, shows the same.
        QLabel& readout = rig.window->lagReadout();
        const auto shownSeconds = [&readout] {
            return readout.text().section(' ', 1, 1).toDouble();
        };
        QTRY_COMPARE_WITH_TIMEOUT(readout.text(),
                                  QString::fromStdString(rig.client.lagReadout(false)), bound);
        QVERIFY2(shownSeconds() < 0.1, qPrintable(readout.text()));
    }

    // One login asks for the control channel once: the news shows once and the prompt that
    // follows the login comes once. A reconnect shows the news once again, not twice more.
    void aLoginAsksForTheControlChannelOnceAndTheNewsShowsOnce() {
        Rig rig;
        QVERIFY(rig.window);
        for (int login = 1; login <= 2; ++login) {
            rig.logInWithStoredCharacter("Tamsin", "tamsin");
            QTRY_VERIFY2_WITH_TIMEOUT(rig.simLogCount("asked for the control channel") == login,
                                      rig.transcript().c_str(), bound);
            QTRY_VERIFY_WITH_TIMEOUT(rig.client.news().exists(), bound);
            QTRY_VERIFY_WITH_TIMEOUT(rig.simLogCount("challenge reply") == login, bound);
            // A round trip after the login: a second request would have arrived before it.
            rig.type("look");
            QTRY_VERIFY_WITH_TIMEOUT(rig.simLogCount("sent: look") == login, bound);
            QCOMPARE(rig.simLogCount("asked for the control channel"), login);
            QCOMPARE(QString::fromStdString(rig.client.news().text()),
                     QStringLiteral("Welcome to FenmarchMUD! The marsh orcs are restless again. "));
            rig.commands->disconnectFromServer();
            QTRY_VERIFY_WITH_TIMEOUT(!rig.connected(), bound);
        }
    }

    // The real window's title, on FenmarchMUD's site and on a server named on the command line.
    void theTitleSaysWhereAndThenWho() {
        Rig rig;
        QVERIFY(rig.window);
        QTRY_COMPARE(rig.window->windowTitle(), QStringLiteral("Vesk - Not Connected"));
        rig.logInWithStoredCharacter("Tamsin", "tamsin");
        QTRY_COMPARE_WITH_TIMEOUT(rig.window->windowTitle(),
                                  QStringLiteral("Vesk - Connected to FenmarchMUD"), bound);
        QTRY_COMPARE_WITH_TIMEOUT(rig.window->windowTitle(), QStringLiteral("Vesk (Tamsin)"),
                                  bound);
    }

    // A connection dropped while the password is asked leaves nothing behind: the input line
    // shows what is typed again, and the next login is typed and echoed as the first was.
    void hangingUpAtThePasswordLeavesNoStaleState() {
        Rig rig;
        QVERIFY(rig.window);
        rig.commands->connectToGame();
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows("What name would you like to use?"), bound);
        rig.type("Ardent");
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows("Password:"), bound);
        QTRY_COMPARE_WITH_TIMEOUT(rig.window->inputLine().echoMode(), QLineEdit::Password, bound);

        rig.commands->disconnectFromServer();
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows("Connection closed."), bound);
        QCOMPARE(rig.window->inputLine().echoMode(), QLineEdit::Normal);

        QVERIFY(rig.logInByTyping("Ardent", "zq8hidden"));
        QVERIFY(rig.lineStarting("What name would you like to use? Ardent") >= 0);
        QCOMPARE(rig.window->inputLine().echoMode(), QLineEdit::Normal);
        rig.type("say again");
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows("You say: again"), bound);
        QVERIFY(!rig.shows("zq8hidden"));
        uitest::saveShot(*rig.window, QStringLiteral("e2e-main-window"));
    }

    // The player opens the login dialog from the menu, stores a new character with the
    // dialog's own buttons and connects. The dialog saves the settings as it closes, before the
    // server names the character; the character must still get a profile of its own.
    void storedCharacterLogsInByItselfAndPicksItsProfile() {
        Rig rig;
        QVERIFY(rig.window);
        bool filledIn = false;
        QTimer::singleShot(0, rig.window, [&filledIn] {
            auto* dialog = qobject_cast<AutoLoginDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            clickButton(*dialog, "New Character");
            QLineEdit* name = nullptr;
            QLineEdit* password = nullptr;
            for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
                (field->echoMode() == QLineEdit::Password ? password : name) = field;
            }
            if (!name || !password) {
                dialog->reject();
                return;
            }
            name->selectAll();
            QTest::keyClicks(name, "Tamsin");
            QTest::keyClicks(password, "tamsin");
            filledIn = true;
            clickButton(*dialog, "Connect to FenmarchMUD!");
        });
        rig.window->menu().autoLogin->trigger();
        QVERIFY(filledIn);
        const int slot = rig.client.preferences().characters.findByName("Tamsin");
        QVERIFY(slot >= 0);
        QCOMPARE(rig.client.preferences().characters[slot].profile, -1);

        QTRY_VERIFY2_WITH_TIMEOUT(rig.shows("Terminal currently set to ansi"),
                                  rig.transcript().c_str(), bound);
        const int prompt = rig.lineStarting("Password:");
        QVERIFY(prompt >= 0);
        QVERIFY2(rig.client.mainBuffer().line(prompt).text.starts_with("Password: [Censored]"),
                 rig.transcript().c_str());
        QTRY_VERIFY_WITH_TIMEOUT(rig.simLogged("logged in as Tamsin"), bound);
        const Preferences& preferences = rig.client.preferences();
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(preferences.currentProfile().name()),
                                  QStringLiteral("Tamsin"), bound);
        int named = 0;
        for (const CharacterProfile& profile : preferences.profiles.profiles()) {
            named += profile.name() == "Tamsin" ? 1 : 0;
        }
        QCOMPARE(named, 1);
        QCOMPARE(preferences.characters[slot].profile, preferences.activeProfile);
        QVERIFY(preferences.activeProfile > 0);
    }

    void loginDohickeyAnswersTheNameInItsOwnCase() {
        Rig rig([](Preferences& preferences) {
            preferences.settings.setNumber(setting::usePasswordDohickey, 1);
        });
        QVERIFY(rig.window);
        int asked = 0;
        rig.host.setLoginDetailsAsker([&asked]() -> std::optional<LoginDetails> {
            ++asked;
            return LoginDetails{"tamsin", "tamsin"};
        });
        rig.commands->connectToGame();
        QTRY_VERIFY2_WITH_TIMEOUT(rig.shows("Terminal currently set to ansi"),
                                  rig.transcript().c_str(), bound);
        QTRY_VERIFY_WITH_TIMEOUT(rig.simLogged("logged in as Tamsin"), bound);
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows("Terminal currently set to ansi"), bound);
        QVERIFY(rig.simLogged("sent: Tamsin\n"));
        QCOMPARE(asked, 1);
    }

    void triggerStacksCommandsAndPlaysItsSound() {
        Rig rig;
        QVERIFY(rig.window);
        const std::string good = rig.path("chime.wav");
        writeTinyWav(good);
        const std::string broken = rig.path("broken.wav");
        std::ofstream(broken, std::ios::binary) << "not a sound";
        Preferences& preferences = rig.client.preferences();
        preferences.settings.setNumber(setting::useCommandStacking, 1);
        preferences.settings.setNumber(setting::triggersEnabled, 1);
        preferences.settings.setNumber(setting::soundsEnabled, 1);
        // Logging in selects the character's own profile; the triggers go there.
        QVERIFY(rig.logInByTyping("Ardent", "zq8hidden"));
        QTRY_VERIFY_WITH_TIMEOUT(preferences.currentProfile().name() == "Ardent", bound);
        preferences.currentProfile().triggers.push_back({"You say: ping", "smile&" + good, 1});
        preferences.currentProfile().triggers.push_back({"You say: ding", "say dong&" + broken, 1});

        rig.type("say ping");
        QTRY_VERIFY2_WITH_TIMEOUT(rig.simLogged("sent: smile"), rig.transcript().c_str(), bound);
        QTRY_COMPARE_WITH_TIMEOUT(rig.host.sounds, std::vector<std::string>{good}, bound);
        QVERIFY(rig.host.warnings.empty());

        // The box for the broken file opens while the line that fired is being handled, right
        // after "say dong" went out. The answer arriving meanwhile waits for the box to close
        // instead of re-entering the half-handled read.
        bool sentBeforeTheBox = false;
        bool answerShownInsideTheBox = true;
        rig.host.whileWarningOpen = [&] {
            sentBeforeTheBox =
                QTest::qWaitFor([&rig] { return rig.simLogged("sent: say dong"); }, bound);
            answerShownInsideTheBox =
                QTest::qWaitFor([&rig] { return rig.shows("You say: dong"); }, 300);
        };
        const int from = rig.client.mainBuffer().LineCount();
        rig.type("say ding");
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows("You say: dong", from), bound);
        QVERIFY(sentBeforeTheBox);
        QVERIFY(!answerShownInsideTheBox);
        QVERIFY(rig.lineStarting("You say: ding") < rig.lineStarting("You say: dong"));
        QCOMPARE(rig.host.warnings,
                 std::vector<std::string>{"Trigger|Error playing WAV file '" + broken + "'"});
        QVERIFY(rig.host.messages.empty());
        QCOMPARE(rig.host.sounds.size(), std::size_t{1});
    }

    void profileEditsTakeEffectOnTheNextLineAndKey() {
        Rig rig;
        QVERIFY(rig.window);
        Preferences& preferences = rig.client.preferences();
        preferences.settings.setNumber(setting::triggersEnabled, 1);
        QVERIFY(rig.logInByTyping("Ardent", "zq8hidden"));
        QTRY_VERIFY_WITH_TIMEOUT(preferences.currentProfile().name() == "Ardent", bound);
        preferences.currentProfile().triggers.push_back({"You say: first", "say fired", 1});

        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(),
                              preferences.activeProfile, rig.window);
        TriggersPage& page = *dialog.triggersPage();
        const int last = page.triggerList()->topLevelItemCount() - 1;
        page.triggerList()->setCurrentItem(page.triggerList()->topLevelItem(last));
        page.triggerField()->selectAll();
        QTest::keyClicks(page.triggerField(), "You say: second");
        MacrosPage& macros = *dialog.macrosPage();
        macros.keyList()->setCurrentRow(14);
        macros.macroField()->selectAll();
        QTest::keyClicks(macros.macroField(), "say from the key");
        const std::size_t before = preferences.currentTriggers().size();
        dialog.accept();
        QCOMPARE(preferences.currentTriggers().size(), before);

        rig.type("say second");
        QTRY_VERIFY2_WITH_TIMEOUT(rig.shows("You say: fired"), rig.transcript().c_str(), bound);
        QTest::keyClick(&rig.window->inputLine(), Qt::Key_F1);
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows("You say: from the key"), bound);
    }

    void coderGetsTheCodingMenuOnceAndEditsADownloadedFile() {
        Rig rig;
        QVERIFY(rig.window);
        QVERIFY(rig.logInByTyping("Quill", "quill"));
        QTRY_VERIFY_WITH_TIMEOUT(rig.window->menu().codingMenuShown(), bound);
        int codingMenus = 0;
        for (QAction* action : rig.window->menuBar()->actions()) {
            codingMenus += action->text() == "&Coding" ? 1 : 0;
        }
        QCOMPARE(codingMenus, 1);

        rig.type("oed /d/town/orc.c");
        QTRY_COMPARE_WITH_TIMEOUT(rig.host.started.size(), std::size_t{1}, bound);
        QVERIFY(rig.host.warnings.empty());
    }
};

} // namespace vesk

VESK_QTEST_MAIN(vesk::MainWindowAgainstSimTest)
#include "MainWindowAgainstSimTest.moc"
