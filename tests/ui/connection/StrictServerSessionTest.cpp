#include "ScriptedQtHost.h"
#include "StrictServer.h"
#include "TestApplication.h"
#include "TypeText.h"
#include "app/Application.h"
#include "app/Client.h"
#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "input/InputLineEdit.h"
#include "settings/SettingsTable.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace vesk::uitest {

namespace {

constexpr int bound = 10000;

} // namespace

// The real main window and its socket against a server that refuses what current servers
// refuse: a zero byte after a line (it began the next command: "Command 'look' is not
// available") and text that is not UTF-8 ("café" used to go out as Latin-1).
class StrictServerSessionTest : public QObject {
    Q_OBJECT
private slots:
    void severalCommandsAndAUtf8SayAreAnswered() {
        StrictServer server;
        QVERIFY(server.port() != 0);
        QTemporaryDir folder;
        ScriptedQtHost host;
        Client client(host, folder.path().toStdString());
        client.startUp();
        client.preferences().settings.setNumber(setting::displayLoginAtStartup, 0);
        SiteAddresses sites;
        sites.hostName = "127.0.0.1";
        sites.gamePort = server.port();
        Application application(client, host, sites);
        MainWindow& window = application.window();
        window.resize(800, 500);
        window.show();

        application.commands().connectToGame();
        QTRY_VERIFY_WITH_TIMEOUT(shows(client, "Welcome to the strict server."), bound);
        const QString say = QString::fromUtf8("say caf\xc3\xa9 \xe2\x98\xba");
        for (const QString& command :
             {QStringLiteral("look"), QStringLiteral("score"), QStringLiteral("inventory"), say}) {
            typeText(&window.inputLine(), command);
            QTest::keyClick(&window.inputLine(), Qt::Key_Return);
        }
        QTRY_VERIFY_WITH_TIMEOUT(server.commands().size() == 4, bound);
        QTRY_VERIFY_WITH_TIMEOUT(shows(client, "You say, \"caf\xc3\xa9 \xe2\x98\xba\""), bound);
        QByteArray received;
        for (const QByteArray& command : server.commands()) {
            received += command.toHex(' ') + " | ";
        }
        QVERIFY2(server.refused() == 0, received.constData());
        QCOMPARE(server.commands().back(), QByteArray("say caf\xc3\xa9 \xe2\x98\xba"));
        QVERIFY(shows(client, "You look around."));
        QVERIFY(shows(client, "You score around."));
        QVERIFY(shows(client, "You inventory around."));
    }

private:
    static bool shows(Client& client, const std::string& text) {
        const TextBuffer& buffer = client.mainBuffer();
        for (int index = 0; index < buffer.LineCount(); ++index) {
            if (buffer.line(index).text.find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    }
};

} // namespace vesk::uitest

VESK_QTEST_MAIN(vesk::uitest::StrictServerSessionTest)

#include "StrictServerSessionTest.moc"
