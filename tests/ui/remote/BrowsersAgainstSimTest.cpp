#include "ListRows.h"
#include "SimProcess.h"
#include "SocketHost.h"
#include "TestApplication.h"
#include "app/Client.h"
#include "remote/FileBrowserWindow.h"
#include "remote/HelpBrowserWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <chrono>
#include <functional>
#include <memory>

namespace vesk::testing {
namespace {

// The socket host passing every change on, as the main window does.
class ForwardingSocketHost : public SocketHost {
public:
    using SocketHost::SocketHost;
    void changed(Change what) override {
        SocketHost::changed(what);
        if (onChanged) {
            onChanged(what);
        }
    }
    std::function<void(Change)> onChanged;
};

QTreeWidgetItem* Child(QTreeWidgetItem* parent, const QString& text) {
    for (int row = 0; row < parent->childCount(); ++row) {
        if (parent->child(row)->text(0) == text) {
            return parent->child(row);
        }
    }
    return nullptr;
}

void Click(QTreeWidget& tree, QTreeWidgetItem* item) {
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
}

// A real double click is a click followed by the double-click event on the same spot.
void DoubleClick(QAbstractItemView& view, const QRect& rect) {
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

// Quill, a coder, logged in to a fresh simulator whose writes are cut at random places.
class BrowsersAgainstSimTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<vesk::sim::test::SimProcess> sim;
    QTemporaryDir folder;
    std::unique_ptr<ForwardingSocketHost> host;
    std::unique_ptr<Client> client;
    std::unique_ptr<HelpBrowserWindow> help;
    std::unique_ptr<FileBrowserWindow> files;

    // Feeds what arrives to the client until the condition holds or ten seconds pass.
    bool runUntil(const std::function<bool()>& condition) {
        return host->deliverUntil([this](const std::string& bytes) { client->onReceived(bytes); },
                                  condition);
    }

    std::string editor() const { return folder.filePath("stub editor").toStdString(); }

private slots:
    void init() {
        sim = std::make_unique<vesk::sim::test::SimProcess>(
            std::vector<std::string>{"--fragment", "0.5", "--seed", "7", "--chatter-ms", "0"});
        QVERIFY(sim->ready());
        host = std::make_unique<ForwardingSocketHost>(sim->port("game"));
        QVERIFY(host->connected());
        client = std::make_unique<Client>(*host, folder.path().toStdString());
        client->startUp();
        client->preferences().settings.setText(setting::editor, editor());
        client->preferences().settings.setText(setting::helpEditor, editor());
        help = std::make_unique<HelpBrowserWindow>(client->helpBrowser());
        files = std::make_unique<FileBrowserWindow>(client->fileBrowser(), client->commandSender());
        host->onChanged = [this](Change what) {
            if (what == Change::HelpBrowser) {
                help->refresh();
            } else if (what == Change::FileBrowser) {
                files->refresh();
            }
        };
        const int slot = client->preferences().characters.addNew();
        client->preferences().characters[slot].name = "Quill";
        client->preferences().characters[slot].password = "quill";
        client->connectWithCharacter(slot);
        QVERIFY(client->ConnectToSite("127.0.0.1", "3000", "FenmarchMUD"));
        client->onConnecting();
        client->onConnected();
        QVERIFY(runUntil([&] { return client->connection().session().loggedIn; }));
    }

    void cleanup() {
        host->onChanged = nullptr;
        files.reset();
        help.reset();
        client.reset();
        host.reset();
        sim.reset();
    }

    void helpTopicOpensInTheHelpEditor() {
        help->showFromMenu();
        QVERIFY(help->isVisible());
        QTreeWidget& tree = *help->categoryTree();
        Click(tree, tree.topLevelItem(2));
        QListView& topics = *help->topicList();
        QVERIFY(runUntil([&] { return topics.model()->rowCount() == 4; }));
        QCOMPARE(Texts(topics).front(), QStringLiteral("melee"));
        QCOMPARE(Texts(topics).back(), QStringLiteral("stealth"));

        host->started.clear();
        DoubleClick(topics, RowRect(topics, 1));
        QVERIFY(runUntil([&] { return !host->started.empty(); }));
        const std::string page = folder.filePath("help.txt").toStdString();
        QCOMPARE(host->started.front().program, editor());
        QCOMPARE(host->started.front().arguments, std::vector<std::string>{page});
        QFile written(QString::fromStdString(page));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().startsWith("Help for: faith"));
        QCOMPARE(help->statusLine()->text(), QStringLiteral("Current Status: Idle"));
    }

    void oedFromTheFileMenuOpensTheFileInTheEditor() {
        files->showBrowser();
        QTreeWidget& tree = *files->directoryTree();
        QTreeWidgetItem* root = tree.topLevelItem(0);
        Click(tree, root);
        QVERIFY(runUntil([&] { return Child(root, "w") != nullptr; }));
        Click(tree, Child(root, "w"));
        QVERIFY(runUntil([&] { return Child(Child(root, "w"), "quill") != nullptr; }));
        QTreeWidgetItem* quill = Child(Child(root, "w"), "quill");
        DoubleClick(tree, tree.visualItemRect(quill));
        QListView& list = *files->fileList();
        QVERIFY(runUntil([&] { return list.model()->rowCount() == 2; }));

        const int row = RowOf(list, "workroom.c");
        QVERIFY(row >= 0);
        const QPoint point = RowRect(list, row).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, point,
                                list.viewport()->mapToGlobal(point));
        QApplication::sendEvent(list.viewport(), &event);
        QVERIFY(files->fileMenu() != nullptr);
        const QList<QAction*> actions = files->fileMenu()->actions();
        QCOMPARE(actions.back()->text(), QStringLiteral("OED '/w/quill/workroom.c'"));
        host->started.clear();
        actions.back()->trigger();
        QVERIFY(runUntil([&] { return !host->started.empty(); }));
        const std::string editFile = client->transfer().editFileName();
        QCOMPARE(host->started.front().arguments,
                 std::vector<std::string>{
                     folder.filePath(QString::fromStdString(editFile)).toStdString()});
        QFile received(folder.filePath(QString::fromStdString(editFile)));
        QVERIFY(received.open(QIODevice::ReadOnly));
        QVERIFY(received.readAll().contains("Quill's Workroom"));
        QCOMPARE(client->commandSender().history().entries().back(),
                 std::string("oed /w/quill/workroom.c"));
    }
};

} // namespace vesk::testing

VESK_QTEST_MAIN(vesk::testing::BrowsersAgainstSimTest)

#include "BrowsersAgainstSimTest.moc"
