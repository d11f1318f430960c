#include "ScriptedQtHost.h"
#include "SimProcess.h"
#include "TestApplication.h"
#include "app/Application.h"
#include "app/Client.h"
#include "app/MainCommands.h"
#include "app/MainFont.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "display/OutputView.h"
#include "input/InputLineEdit.h"
#include "settings/SettingsTable.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace vesk {

namespace {

constexpr int bound = 10000;

} // namespace

// The window a player keeps open for hours, against a vesk-sim child: it logs in again by
// itself when the server goes away and comes back, conversation gathers in the chat pane, and
// the command history is there at the next start.
class DailyPlayAgainstSimTest : public QObject {
    Q_OBJECT

private:
    struct Rig {
        QTemporaryDir& folder;
        std::unique_ptr<sim::test::SimProcess> sim;
        uitest::ScriptedQtHost host;
        Client client{host, folder.path().toStdString()};
        std::unique_ptr<Application> application;
        MainWindow* window = nullptr;
        MainCommands* commands = nullptr;

        explicit Rig(QTemporaryDir& dataFolder, std::vector<std::string> simArguments = {})
            : folder(dataFolder) {
            simArguments.insert(simArguments.begin(), {"--chatter-ms", "0"});
            sim = std::make_unique<sim::test::SimProcess>(simArguments);
            client.startUp();
            Settings& settings = client.preferences().settings;
            settings.setNumber(setting::displayLoginAtStartup, 0);
            settings.setNumber(setting::usePasswordDohickey, 0);
            client.preferences().font = fontRecordOf(uitest::testFixedFont());
            // Short waits: the schedule's own rules are the core's tests.
            client.reconnection().setPlan({{200, 400, 800}, 20000});
            if (!sim->ready()) {
                return;
            }
            SiteAddresses sites;
            sites.hostName = "127.0.0.1";
            sites.gamePort = static_cast<quint16>(sim->port("game"));
            sites.whoPort = static_cast<quint16>(sim->port("who"));
            sites.developmentPort = static_cast<quint16>(sim->port("devel"));
            application = std::make_unique<Application>(client, host, sites);
            window = &application->window();
            commands = &application->commands();
            window->resize(900, 600);
            window->show();
        }
        std::vector<std::string> samePorts() {
            return {"--game-port",  std::to_string(sim->port("game")),
                    "--who-port",   std::to_string(sim->port("who")),
                    "--devel-port", std::to_string(sim->port("devel"))};
        }
        int linesHolding(const TextBuffer& buffer, const std::string& text) {
            int count = 0;
            for (int index = 0; index < buffer.LineCount(); ++index) {
                count += buffer.line(index).text.find(text) != std::string::npos ? 1 : 0;
            }
            return count;
        }
        bool shows(const std::string& text) { return linesHolding(client.mainBuffer(), text) > 0; }
        // Logs in with a stored character, as the login dialog's Connect does; true once the
        // server has named it.
        bool logIn(const std::string& name, const std::string& password) {
            Preferences& preferences = client.preferences();
            const int slot = preferences.characters.addNew();
            preferences.characters[slot].name = name;
            preferences.characters[slot].password = password;
            client.connectWithCharacter(slot);
            commands->connectToGame();
            return QTest::qWaitFor([this] { return loggedIn(); }, bound);
        }
        void type(const QString& text) {
            QTest::keyClicks(&window->inputLine(), text);
            QTest::keyClick(&window->inputLine(), Qt::Key_Return);
        }
        bool loggedIn() { return client.connection().session().loggedIn; }
    };

private slots:
    // The simulator is killed and started again on the same ports: the window logs in again by
    // itself, one line for each attempt that found nobody listening.
    void theWindowLogsInAgainAfterTheServerComesBack() {
        QTemporaryDir folder;
        Rig rig(folder);
        QVERIFY(rig.window);
        QVERIFY(rig.logIn("Tamsin", "tamsin"));
        const std::vector<std::string> ports = rig.samePorts();
        rig.sim.reset();
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows("Connection closed."), bound);
        QTRY_VERIFY_WITH_TIMEOUT(rig.client.reconnection().attempts() >= 2, bound);
        QTRY_VERIFY_WITH_TIMEOUT(rig.window->windowTitle().contains("Reconnecting in"), bound);
        const int failed = rig.linesHolding(rig.client.mainBuffer(), "Reconnect attempt");
        QVERIFY(failed >= 1);
        QVERIFY(failed <= rig.client.reconnection().attempts());
        QVERIFY(rig.host.warnings.empty());
        rig.sim = std::make_unique<sim::test::SimProcess>(ports);
        QVERIFY(rig.sim->ready());
        QTRY_VERIFY_WITH_TIMEOUT(rig.loggedIn(), bound);
        QVERIFY(rig.sim->output().find("logged in as Tamsin") != std::string::npos);
        QVERIFY(!rig.client.reconnection().active());
        QVERIFY(rig.window->windowTitle().contains("Tamsin"));
    }

    // After "quit" the game says goodbye and hangs up: no attempt follows. Disconnect during
    // a wait stops it.
    void quitAndDisconnectAreNotTriedAgain() {
        QTemporaryDir folder;
        Rig rig(folder);
        QVERIFY(rig.window);
        QVERIFY(rig.logIn("Brannoc", "brannoc"));
        rig.type("quit");
        QTRY_VERIFY_WITH_TIMEOUT(rig.shows("Connection closed."), bound);
        QVERIFY(!rig.client.reconnection().active());
        QVERIFY(rig.window->menu().reconnect->isEnabled());
        rig.window->menu().reconnect->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(rig.loggedIn(), bound);
        rig.sim.reset();
        QTRY_VERIFY_WITH_TIMEOUT(rig.client.reconnection().active(), bound);
        QVERIFY(rig.window->menu().disconnect->isEnabled());
        rig.window->menu().disconnect->trigger();
        QVERIFY(!rig.client.reconnection().active());
        QVERIFY(!rig.window->windowTitle().contains("Reconnect"));
    }

    // A tell from another player reaches the open chat pane as well as the main view, and the
    // session log has it once.
    void aTellGathersInTheChatPane() {
        QTemporaryDir folder;
        Rig rig(folder);
        QVERIFY(rig.window);
        Settings& settings = rig.client.preferences().settings;
        settings.setNumber(setting::logAutoName, 0);
        settings.setText(setting::logFile, "session.log");
        rig.window->menu().logToFile->trigger();
        rig.window->menu().chatPane->trigger();
        QVERIFY(settings.isOn(setting::chatOpen));
        QVERIFY(rig.logIn("Tamsin", "tamsin"));
        rig.type("tell Bob are you there?");
        const std::string answer = "Bob tells you: Sorry, I'm busy.";
        QTRY_VERIFY_WITH_TIMEOUT(rig.linesHolding(rig.client.chatBuffer(), answer) == 1, bound);
        QCOMPARE(rig.linesHolding(rig.client.mainBuffer(), answer), 1);
        QVERIFY(rig.window->chatView().isVisible());
        rig.window->menu().logToFile->trigger();
        QFile log(folder.filePath("session.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(log.readAll()).count(QString::fromStdString(answer)), 1);
        // Tab completes the speaker's name.
        QTest::keyClicks(&rig.window->inputLine(), "tell bo");
        QTest::keyClick(&rig.window->inputLine(), Qt::Key_Tab);
        QCOMPARE(rig.window->inputLine().QLineEdit::text(), QString("tell Bob"));
    }

    // Commands typed in one run are reached with Ctrl+Up in the next, for the same character.
    void theHistoryIsThereAtTheNextStart() {
        QTemporaryDir folder;
        {
            Rig rig(folder);
            QVERIFY(rig.window);
            QVERIFY(rig.logIn("Quill", "quill"));
            rig.type("say remember the dragon");
            QTRY_VERIFY_WITH_TIMEOUT(rig.shows("You say: remember the dragon"), bound);
            rig.type("look");
            rig.commands->exitClient();
        }
        QFile stored(folder.filePath("History_Quill.txt"));
        QVERIFY(stored.exists());
        QCOMPARE(stored.permissions() & (QFile::ReadGroup | QFile::ReadOther),
                 QFile::Permissions());
        Rig rig(folder);
        QVERIFY(rig.window);
        QVERIFY(rig.logIn("Quill", "quill"));
        InputLineEdit& input = rig.window->inputLine();
        QTest::keyClicks(&input, "drag");
        QTest::keyClick(&input, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(input.QLineEdit::text(), QString("say remember the dragon"));
    }
};

} // namespace vesk

VESK_QTEST_MAIN(vesk::DailyPlayAgainstSimTest)
#include "DailyPlayAgainstSimTest.moc"
