#include "remote/FileBrowserWindow.h"
#include "ConnectedClient.h"
#include "RenderShot.h"
#include "remote/BrowserIcons.h"
#include "remote/BrowserLayout.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include <cstdlib>
#include <memory>

namespace vesk::testing {
namespace {

QStringList ChildTexts(const QTreeWidgetItem& item) {
    QStringList texts;
    for (int row = 0; row < item.childCount(); ++row) {
        texts << item.child(row)->text(0);
    }
    return texts;
}

bool SamePicture(const QIcon& shown, const QIcon& expected) {
    return shown.pixmap(16).toImage() == expected.pixmap(16).toImage();
}

QTreeWidgetItem* Child(QTreeWidgetItem* parent, const QString& text) {
    for (int row = 0; row < parent->childCount(); ++row) {
        if (parent->child(row)->text(0) == text) {
            return parent->child(row);
        }
    }
    return nullptr;
}

// Whether the picture in front of a list item, as painted, holds a pixel of about this colour.
bool IconShows(QListView& list, int row, QColor colour) {
    const QImage image = list.viewport()->grab().toImage();
    const QRect item = RowRect(list, row);
    for (int y = item.top(); y <= item.bottom(); ++y) {
        for (int x = item.left(); x < item.left() + 24; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) +
                    std::abs(pixel.blue() - colour.blue()) <
                30) {
                return true;
            }
        }
    }
    return false;
}

// The menu as the player reads it: item texts, "-" for a separator.
QStringList MenuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

} // namespace

class FileBrowserWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ConnectedClient> session;
    std::unique_ptr<FileBrowserWindow> window;

    QTreeWidgetItem* root() const { return window->directoryTree()->topLevelItem(0); }

    void click(QTreeWidgetItem* item) {
        QTreeWidget& tree = *window->directoryTree();
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
    }

    // A real double click is a click followed by the double-click event on the same spot.
    void doubleClick(QTreeWidgetItem* item) {
        QTreeWidget& tree = *window->directoryTree();
        const QPoint centre = tree.visualItemRect(item).center();
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, centre);
    }

    // A real right click's context-menu event on the file list.
    void rightClick(const QPoint& point) {
        QWidget* viewport = window->fileList()->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, viewport->mapToGlobal(point));
        QApplication::sendEvent(viewport, &event);
    }

    void rightClickFile(const QString& name) {
        QListView& list = *window->fileList();
        const int row = RowOf(list, name);
        QVERIFY(row >= 0);
        rightClick(RowRect(list, row).center());
    }

    QAction* menuAction(const QString& text) const {
        for (QAction* action : window->fileMenu()->actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }

    // Connected, shown, root listed with d1 and d2, and d1 opened with three files.
    void browseIntoD1() {
        session->connect();
        window->showBrowser();
        session->feed({"##VESK DIRTREE / d1 d2"});
        doubleClick(Child(root(), "d1"));
        session->feed({"##VESK DIRFILES /d1/ x.c y.h z"});
        session->host.clearRecords();
    }

private slots:
    void init() {
        session = std::make_unique<ConnectedClient>();
        window = std::make_unique<FileBrowserWindow>(session->client.fileBrowser(),
                                                     session->client.commandSender());
        session->host.onChanged = [this](Change what) {
            if (what == Change::FileBrowser) {
                window->refresh();
            }
        };
    }

    void cleanup() {
        session->host.onChanged = nullptr;
        window.reset();
        session.reset();
    }

    void listingsBeforeTheFirstShowAreDropped() {
        session->connect();
        session->feed({"##VESK DIRTREE / early"});
        QCOMPARE(window->directoryTree()->topLevelItemCount(), 0);
        window->showBrowser();
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Vesk File Browser"));
        QCOMPARE(window->directoryTree()->topLevelItemCount(), 1);
        QCOMPARE(root()->text(0), QStringLiteral("/"));
        QCOMPARE(root()->childCount(), 0);
        QVERIFY(SamePicture(root()->icon(0), BrowserIcons::closedFolder()));
        QCOMPARE(window->statusLine()->text(), QStringLiteral("Current Status: Idle"));
        QCOMPARE(window->statusLine()->textFormat(), Qt::PlainText);
    }

    void selectingADirectoryListsItsSubdirectoriesInOrder() {
        session->connect();
        window->showBrowser();
        click(root());
        QCOMPARE(session->sentLines(), std::vector<std::string>{"ofile dir /"});
        QCOMPARE(window->statusLine()->text(),
                 QStringLiteral("Current Status: Requesting subdirs of /"));

        session->feed({"##VESK DIRTREE / obj Std d1"});
        QCOMPARE(ChildTexts(*root()), (QStringList{"d1", "obj", "Std"}));
        QCOMPARE(window->statusLine()->text(), QStringLiteral("Current Status: Idle"));
        session->feed({"##VESK DIRTREE / obj Std d1 area"});
        QCOMPARE(ChildTexts(*root()), (QStringList{"area", "d1", "obj", "Std"}));
        session->feed({"##VESK DIRTREE /obj/ weapon armour"});
        QCOMPARE(ChildTexts(*Child(root(), "obj")), (QStringList{"armour", "weapon"}));
        QVERIFY(Child(root(), "obj")->isExpanded());

        session->feed({"##VESK DIRTREE /nowhere/ x"});
        QCOMPARE(window->statusLine()->text(),
                 QStringLiteral("Current Status: Receiving subdirs.."));
    }

    void doubleClickOpensADirectoryAndListsItsFiles() {
        session->connect();
        window->showBrowser();
        session->feed({"##VESK DIRTREE / d1 d2"});
        QTreeWidgetItem* d1 = Child(root(), "d1");
        QTreeWidgetItem* d2 = Child(root(), "d2");
        session->host.clearRecords();
        doubleClick(d1);
        QCOMPARE(session->sentLines(),
                 (std::vector<std::string>{"ofile dir /d1/", "ofile files /d1/"}));
        QCOMPARE(window->statusLine()->text(),
                 QStringLiteral("Current Status: Requesting contents of /d1/"));
        QVERIFY(SamePicture(d1->icon(0), BrowserIcons::openFolder()));

        session->feed({"##VESK DIRFILES /d1/ x.c y.h z"});
        QListView& files = *window->fileList();
        QCOMPARE(Texts(files), (QStringList{"z", "y.h", "x.c"}));
        QVERIFY(SamePicture(RowIcon(files, 0), BrowserIcons::plainFile()));
        QVERIFY(SamePicture(RowIcon(files, 1), BrowserIcons::headerFile()));
        QVERIFY(SamePicture(RowIcon(files, 2), BrowserIcons::sourceFile()));
        // Painted, once the list has laid out its items: the blue badge of a source file, the
        // green of a header, neither on a plain one.
        const QColor blue(40, 100, 200);
        const QColor green(40, 150, 80);
        QTRY_VERIFY(IconShows(files, 2, blue));
        QVERIFY(!IconShows(files, 2, green));
        QVERIFY(IconShows(files, 1, green) && !IconShows(files, 1, blue));
        QVERIFY(!IconShows(files, 0, blue) && !IconShows(files, 0, green));
        QCOMPARE(window->statusLine()->text(), QStringLiteral("Current Status: Idle"));
        session->feed({"##VESK DIRFILES /d1/ w.c"});
        QCOMPARE(Texts(files), (QStringList{"w.c", "z", "y.h", "x.c"}));

        doubleClick(d2);
        QVERIFY(SamePicture(d1->icon(0), BrowserIcons::closedFolder()));
        QVERIFY(SamePicture(d2->icon(0), BrowserIcons::openFolder()));
        QCOMPARE(files.model()->rowCount(), 0);
        session->feed({"##VESK DIRFILES /d2/ room.c"});
        QCOMPARE(Texts(files), (QStringList{"room.c"}));
    }

    void fileMenuNamesTheFileAndSendsThroughTheSendPath() {
        browseIntoD1();
        rightClickFile("x.c");
        QVERIFY(window->fileMenu() != nullptr);
        QCOMPARE(MenuTexts(*window->fileMenu()),
                 (QStringList{"more '/d1/x.c'", "-", "clone '/d1/x.c'", "update '/d1/x.c'", "-",
                              "OED '/d1/x.c'"}));
        menuAction("OED '/d1/x.c'")->trigger();
        QCOMPARE(session->sentLines(), std::vector<std::string>{"oed /d1/x.c"});
        QCOMPARE(session->client.commandSender().history().entries().back(),
                 std::string("oed /d1/x.c"));

        rightClickFile("y.h");
        menuAction("more '/d1/y.h'")->trigger();
        menuAction("clone '/d1/y.h'")->trigger();
        menuAction("update '/d1/y.h'")->trigger();
        QCOMPARE(session->sentLines(),
                 (std::vector<std::string>{"oed /d1/x.c", "more /d1/y.h", "clone /d1/y.h",
                                           "update /d1/y.h"}));
    }

    // More files of the open directory are added at the top of the list; the files listed
    // stay, and so does the file the player has selected.
    void moreFilesOfTheOpenDirectoryKeepThePlayersSelection() {
        browseIntoD1();
        QListView& list = *window->fileList();
        const int selected = RowOf(list, "y.h");
        QVERIFY(selected >= 0);
        SelectRow(list, selected);
        session->feed({"##VESK DIRFILES /d1/ n1.c n2.c"});
        QCOMPARE(Texts(list).mid(0, 2), (QStringList{"n2.c", "n1.c"}));
        QCOMPARE(list.currentIndex().data().toString(), QStringLiteral("y.h"));
        QCOMPARE(list.currentIndex().row(), selected + 2);
    }

    void rightClickBesideTheFilesOpensNoMenu() {
        browseIntoD1();
        QListView& list = *window->fileList();
        rightClick(QPoint(list.viewport()->width() - 2, list.viewport()->height() - 2));
        QVERIFY(window->fileMenu() == nullptr);
        QVERIFY(session->host.sent.empty());
    }

    // An ampersand in a name is shown as itself, not turned into a keyboard mnemonic.
    void fileNamesShowAsTheServerSentThem() {
        browseIntoD1();
        session->feed({"##VESK DIRFILES /d1/ a&b.c <i>x</i>"});
        QCOMPARE(Texts(*window->fileList()).mid(0, 2), (QStringList{"<i>x</i>", "a&b.c"}));
        rightClickFile("a&b.c");
        QAction* more = menuAction("more '/d1/a&&b.c'");
        QVERIFY(more != nullptr);
        more->trigger();
        QCOMPARE(session->sentLines(), std::vector<std::string>{"more /d1/a&b.c"});
    }

    void oedDownloadStartsTheEditorOnTheReceivedFile() {
        browseIntoD1();
        rightClickFile("x.c");
        menuAction("OED '/d1/x.c'")->trigger();
        session->feed(
            {"##VESK FILEBEGIN /d1/x.c", "##VESK FILECONTINUE", "int x;", "void create() {}"});
        QVERIFY(session->host.started.empty());
        session->feed({"##VESK FILEEND"});
        const std::string editFile = session->client.transfer().editFileName();
        QCOMPARE(session->read(editFile), std::string("int x;\nvoid create() {}\n"));
        const FakeHost::StartedProcess expected{std::string(ConnectedClient::editor),
                                                {session->path(editFile)}};
        QCOMPARE(session->host.started, std::vector<FakeHost::StartedProcess>{expected});
        QCOMPARE(window->statusLine()->text(), QStringLiteral("Current Status: Idle"));
    }

    void childrenFollowTheLayoutOverRepeatedResizes() {
        window->showBrowser();
        for (int height = 400; height <= 460; height += 20) {
            window->resize(900, height);
        }
        const int lineHeight = window->statusLine()->fontMetrics().height();
        const BrowserLayout layout =
            layOutFileBrowser(900, 460, fileBrowserFrameHeight(lineHeight), lineHeight);
        const auto rect = [](const LayoutRect& r) { return QRect(r.x, r.y, r.width, r.height); };
        QCOMPARE(window->directoryTree()->geometry(), rect(layout.tree));
        QCOMPARE(window->fileList()->geometry(), rect(layout.list));
        QCOMPARE(window->statusLine()->geometry(), rect(layout.statusLine));
    }

    // A tree browsed two levels down: the folders in order with the opened one marked, all of
    // its files listed, and a file's right-click menu open on it (the pictures for the docs
    // are saved on the way).
    void aBrowsedTreeShowsItsFoldersFilesAndMenu() {
        session->connect();
        window->showBrowser();
        session->feed({"##VESK DIRTREE / d obj std room log"});
        session->feed({"##VESK DIRTREE /d/ Harbour Forest Keep"});
        QCOMPARE(ChildTexts(*root()), (QStringList{"d", "log", "obj", "room", "std"}));
        QCOMPARE(ChildTexts(*Child(root(), "d")), (QStringList{"Forest", "Harbour", "Keep"}));
        QTreeWidgetItem* forest = Child(Child(root(), "d"), "Forest");
        session->host.clearRecords();
        doubleClick(forest);
        QCOMPARE(session->sentLines(),
                 (std::vector<std::string>{"ofile dir /d/Forest/", "ofile files /d/Forest/"}));
        QVERIFY(SamePicture(forest->icon(0), BrowserIcons::openFolder()));
        session->feed({"##VESK DIRFILES /d/Forest/ README forest.h clearing.c glade.c "
                       "path1.c path2.c path3.c oak.c wolf.c hermit.c hut.c stream.c "
                       "bridge.c forest_daemon.c notes.txt"});
        QListView& files = *window->fileList();
        QCOMPARE(files.model()->rowCount(), 15);
        QVERIFY(Texts(files).contains(QStringLiteral("forest_daemon.c")));
        QCOMPARE(window->statusLine()->text(), QStringLiteral("Current Status: Idle"));

        rightClickFile("glade.c");
        QVERIFY(window->fileMenu()->isVisible());
        QVERIFY(!MenuTexts(*window->fileMenu()).isEmpty());
        uitest::saveShot(*window->fileMenu(), "file-browser-menu");
        window->fileMenu()->hide();
        SelectRow(files, 4);
        QVERIFY(files.selectionModel()->isRowSelected(4, {}));
        uitest::saveShot(*window, "file-browser");
    }
};

} // namespace vesk::testing

int RunFileBrowserWindowTests(int argc, char** argv) {
    vesk::testing::FileBrowserWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FileBrowserWindowTest.moc"
