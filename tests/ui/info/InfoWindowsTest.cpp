#include "FakeHost.h"
#include "RenderShot.h"
#include "TestApplication.h"

#include "client/Client.h"
#include "info/AboutDialog.h"
#include "info/NewsWindow.h"
#include "info/ProjectWebPage.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vesk;

class InfoWindowsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    testing::FakeHost host;
    std::unique_ptr<Client> client;

    void connect() {
        QVERIFY(client->ConnectToSite("localhost", "3000", "FenmarchMUD"));
        client->onConnecting();
        client->onConnected();
    }

private slots:
    void init() {
        host.clearRecords();
        client = std::make_unique<Client>(host, folder.path().toStdString());
    }

    void newsStaysHiddenUntilTheServerSendsSome() {
        NewsWindow window(client->news(), host);
        QVERIFY(window.isHidden());
        QCOMPARE(window.windowTitle(), QStringLiteral("Vesk News"));
        QCOMPARE(window.closeButton()->text(), QStringLiteral("Okie dokie"));
        QCOMPARE(window.downloadButton()->text(),
                 QStringLiteral("Download newest version of Vesk"));
        QVERIFY(window.textView()->isReadOnly());
    }

    void newsShowsTheServerWordsAsPlainText() {
        NewsWindow window(client->news(), host);
        connect();
        client->onReceived("##VESK NEWS Welcome to <b>Fenmarch</b> &amp; friends\n"
                           "##VESK NEWS Server restart at noon\n");
        QCOMPARE(host.countChanges(Change::News), 2);
        window.refresh();
        QVERIFY(window.isVisible());
        QCOMPARE(window.textView()->toPlainText(),
                 QStringLiteral("Welcome to <b>Fenmarch</b> &amp; friends \n"
                                "Server restart at noon "));
        window.adjustSize();
        QTRY_VERIFY(!window.textView()->verticalScrollBar()->isVisible());
        vesk::uitest::saveShot(window, QStringLiteral("news"));
        client->onReceived("##VESK NEWS CLEAR\n");
        window.refresh();
        QCOMPARE(window.textView()->toPlainText(), QString());
        QVERIFY(window.isVisible());
    }

    void newsButtonsCloseAndOpenTheWebPage() {
        NewsWindow window(client->news(), host);
        connect();
        client->onReceived("##VESK NEWS hello\n");
        window.refresh();
        window.downloadButton()->click();
        QCOMPARE(host.openedUrls, std::vector<std::string>{projectWebPage});
        window.closeButton()->click();
        QVERIFY(window.isHidden());
    }

    void aboutShowsTheVersionAndOpensTheWebPage() {
        AboutDialog dialog(host);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Vesk"));
        QVERIFY(dialog.versionLabel()->text().contains(QStringLiteral("2.04")));
        dialog.adjustSize();
        dialog.show();
        vesk::uitest::saveShot(dialog, QStringLiteral("about"));
        dialog.webPageButton()->click();
        QCOMPARE(host.openedUrls, std::vector<std::string>{projectWebPage});
    }
};

VESK_QTEST_MAIN(InfoWindowsTest)

#include "InfoWindowsTest.moc"
