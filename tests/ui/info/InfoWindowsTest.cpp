#include "FakeHost.h"
#include "RenderShot.h"
#include "TestApplication.h"

#include "app/Client.h"
#include "info/AboutDialog.h"
#include "info/NewsText.h"
#include "info/NewsWindow.h"
#include "info/ProjectWebPage.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

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

    // New messages are added at the end without rebuilding what is shown: the reader's
    // selection stays. Past the messages the news keeps, the oldest lines go from the start.
    void newsGrowsAtItsEndAndKeepsTheReadersPlace() {
        NewsWindow window(client->news(), host);
        connect();
        client->onReceived("##VESK NEWS first message\n");
        window.refresh();
        QTextCursor selection(window.textView()->document());
        selection.setPosition(0);
        selection.setPosition(5, QTextCursor::KeepAnchor);
        window.textView()->setTextCursor(selection);
        client->onReceived("##VESK NEWS second\n##VESK NEWS third\n");
        window.refresh();
        QCOMPARE(window.textView()->toPlainText(),
                 QStringLiteral("first message \nsecond \nthird "));
        QCOMPARE(window.textView()->textCursor().selectedText(), QStringLiteral("first"));

        std::string flood;
        for (std::size_t message = 0; message < NewsText::mostMessages + 50; ++message) {
            flood += "##VESK NEWS m" + std::to_string(message) + "\n";
        }
        client->onReceived(flood.substr(0, flood.size() / 2));
        window.refresh();
        client->onReceived(flood.substr(flood.size() / 2));
        window.refresh();
        const QStringList lines = window.textView()->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), static_cast<qsizetype>(NewsText::mostMessages));
        QCOMPARE(lines.front(), QStringLiteral("m50 "));
        QCOMPARE(lines.back(), QStringLiteral("m1049 "));
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
