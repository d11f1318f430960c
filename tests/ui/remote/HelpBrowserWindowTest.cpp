#include "remote/HelpBrowserWindow.h"
#include "ConnectedClient.h"
#include "RenderShot.h"
#include "remote/BrowserLayout.h"

#include <QLabel>
#include <QListView>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace vesk::testing {
namespace {

void DoubleClick(QListView& list, int row) {
    const QPoint centre = RowRect(list, row).center();
    // A real double click is a click followed by the double-click event on the same spot.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class HelpBrowserWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ConnectedClient> session;
    std::unique_ptr<HelpBrowserWindow> window;

    void selectCategory(int row) {
        QTreeWidget& tree = *window->categoryTree();
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {},
                          tree.visualItemRect(tree.topLevelItem(row)).center());
    }

private slots:
    void init() {
        session = std::make_unique<ConnectedClient>();
        window = std::make_unique<HelpBrowserWindow>(session->client.helpBrowser());
        session->host.onChanged = [this](Change what) {
            if (what == Change::HelpBrowser) {
                window->refresh();
            }
        };
        window->resize(600, 400);
    }

    void cleanup() {
        session->host.onChanged = nullptr;
        window.reset();
        session.reset();
    }

    void startsHiddenWithTheFiveCategories() {
        QVERIFY(!window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("FenmarchMUD Help"));
        QTreeWidget& tree = *window->categoryTree();
        QStringList texts;
        for (int row = 0; row < tree.topLevelItemCount(); ++row) {
            texts << tree.topLevelItem(row)->text(0);
            QVERIFY(!tree.topLevelItem(row)->icon(0).isNull());
        }
        QCOMPARE(texts, (QStringList{"Player: General", "Player: Commands", "Abilities",
                                     "High Mortal: General", "High Mortal: Commands"}));
        QCOMPARE(window->statusLine()->text(), QStringLiteral("Current Status: Idle"));
        QCOMPARE(window->statusLine()->textFormat(), Qt::PlainText);
    }

    void menuCommandWarnsWhileDisconnectedAndShowsWhenConnected() {
        window->showFromMenu();
        QVERIFY(!window->isVisible());
        QCOMPARE(session->host.warnings,
                 std::vector<std::string>{
                     "You need to be connected to FenmarchMUD for this command to work."});
        session->connect();
        window->showFromMenu();
        QVERIFY(window->isVisible());
        QVERIFY(session->host.warnings.empty());
    }

    void selectingWhileDisconnectedSendsNothing() {
        window->show();
        selectCategory(2);
        QVERIFY(session->host.sent.empty());
        QCOMPARE(window->statusLine()->text(), QStringLiteral("Current Status: Idle"));
    }

    void categoryAndTopicsRoundTrip() {
        session->connect();
        window->show();
        selectCategory(2);
        QCOMPARE(session->sentLines(), std::vector<std::string>{"vesk helpchange *abilities"});
        QCOMPARE(window->statusLine()->text(),
                 QStringLiteral("Current Status: Requesting contents of *abilities"));

        session->feed({"##VESK HELPCONTENTS a b c"});
        QCOMPARE(Texts(*window->topicList()), (QStringList{"c", "b", "a"}));
        QCOMPARE(window->statusLine()->text(), QStringLiteral("Current Status: Idle"));
        QVERIFY(!RowIcon(*window->topicList(), 0).isNull());

        session->feed({"##VESK HELPCONTENTS"});
        QCOMPARE(window->topicList()->model()->rowCount(), 0);
        QCOMPARE(window->statusLine()->text(), QStringLiteral("Current Status: Idle"));
    }

    void doubleClickedTopicOpensThePageInTheHelpEditor() {
        session->connect();
        window->show();
        selectCategory(3);
        session->feed({"##VESK HELPCONTENTS score who look"});
        session->host.clearRecords();

        DoubleClick(*window->topicList(), 1);
        QCOMPARE(session->sentLines(),
                 std::vector<std::string>{"vesk help who *high mortal general"});
        QCOMPARE(window->statusLine()->text(), QStringLiteral("Current Status: Requesting file"));

        session->feed({"##VESK HELPBEGIN", "WHO", "Lists the players."});
        QCOMPARE(window->statusLine()->text(),
                 QStringLiteral("Current Status: Receiving file ..."));
        QVERIFY(session->host.started.empty());
        session->feed({"##VESK HELPEND"});
        QCOMPARE(window->statusLine()->text(), QStringLiteral("Current Status: Idle"));
        QCOMPARE(session->read("help.txt"), std::string("WHO\nLists the players.\n"));
        const FakeHost::StartedProcess expected{std::string(ConnectedClient::helpEditor),
                                                {session->path("help.txt")}};
        QCOMPARE(session->host.started, std::vector<FakeHost::StartedProcess>{expected});
    }

    // Nothing the server names is markup: the topic is shown and sent back as it came.
    void topicsShowAsPlainText() {
        session->connect();
        window->show();
        selectCategory(0);
        session->feed({"##VESK HELPCONTENTS <b>bold</b> &amp;"});
        QCOMPARE(Texts(*window->topicList()), (QStringList{"&amp;", "<b>bold</b>"}));
        session->host.clearRecords();
        DoubleClick(*window->topicList(), 1);
        QCOMPARE(session->sentLines(),
                 std::vector<std::string>{"vesk help <b>bold</b> *player general"});
    }

    void childrenFollowTheLayout() {
        window->resize(640, 420);
        window->show();
        const BrowserLayout layout =
            layOutHelpBrowser(640, 420, window->statusLine()->fontMetrics().height());
        const QRect tree = window->categoryTree()->geometry();
        const QRect list = window->topicList()->geometry();
        const QRect status = window->statusLine()->geometry();
        QCOMPARE(tree, QRect(layout.tree.x, layout.tree.y, layout.tree.width, layout.tree.height));
        QCOMPARE(list, QRect(layout.list.x, layout.list.y, layout.list.width, layout.list.height));
        QCOMPARE(status, QRect(layout.statusLine.x, layout.statusLine.y, layout.statusLine.width,
                               layout.statusLine.height));
    }

    void pictureWithTopics() {
        session->connect();
        window->show();
        selectCategory(1);
        session->feed({"##VESK HELPCONTENTS wield wear score say quit look inventory get "
                       "emote drop consider cast brief alias"});
        SelectRow(*window->topicList(), 3);
        // The selected category shows an open book instead of the closed one.
        const QIcon icon = window->categoryTree()->topLevelItem(1)->icon(0);
        QVERIFY(icon.pixmap(16, QIcon::Normal).toImage() !=
                icon.pixmap(16, QIcon::Selected).toImage());
        uitest::saveShot(*window, "help-browser");
    }
};

} // namespace vesk::testing

int RunHelpBrowserWindowTests(int argc, char** argv) {
    vesk::testing::HelpBrowserWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HelpBrowserWindowTest.moc"
