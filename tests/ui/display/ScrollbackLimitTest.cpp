// The scroll-back limit in the real main window, fed by the core as reads arrive: the oldest
// lines go in blocks, and a selection, Find and a scrolled-back pane stay with their text.
#include "MainWindowRig.h"
#include "display/FindDialog.h"
#include "display/OutputView.h"
#include "display/TextBlock.h"
#include "input/InputLineEdit.h"
#include "settings/GeneralPage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <string>

namespace vesk {

namespace {

constexpr int limit = 1000;

std::string numbered(int number) {
    return "line " + std::to_string(number);
}

struct LimitRig : uitest::MainWindowRig {
    LimitRig() {
        client.preferences().settings.setNumber(setting::scrollbackLines, limit);
        connect();
    }
    TextBuffer& buffer() { return client.mainBuffer(); }
    OutputView& view() { return window->outputView(); }
    // Lines numbered from `first`, as the server sends them, in reads of a hundred lines.
    void receive(int first, int count) {
        std::string read;
        for (int number = first; number < first + count; ++number) {
            read += numbered(number) + "\r\n";
            if ((number - first) % 100 == 99 || number + 1 == first + count) {
                client.onReceived(read);
                read.clear();
            }
        }
    }
    // Lines arrive until at least one block of the oldest has been dropped.
    void receiveUntilADrop() {
        const std::uint64_t before = buffer().droppedLines();
        while (buffer().droppedLines() == before) {
            receive(next, 100);
            next += 100;
        }
    }
    // Lines arrive until the oldest block is full and the next has begun; nothing is dropped
    // yet while the lines behind the oldest block are fewer than the limit.
    void fillTheOldestBlock() {
        while (buffer().LineCount() <= static_cast<int>(TextBlock::mostLines) + 10) {
            receive(next, 10);
            next += 10;
        }
    }
    int indexOf(int number) {
        const std::string text = numbered(number) + "\r\n";
        for (int index = 0; index < buffer().LineCount(); ++index) {
            if (buffer().lineText(index) == text) {
                return index;
            }
        }
        return -1;
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&window->inputLine(), Qt::Key(key), modifiers);
    }
    int next = 100000;
};

} // namespace

class ScrollbackLimitTest : public QObject {
    Q_OBJECT

private slots:
    void theOldestLinesGoInBlocksAndThePaneFollowsTheEnd() {
        LimitRig rig;
        rig.receive(0, 30000);
        TextBuffer& buffer = rig.buffer();
        QVERIFY(buffer.droppedLines() > 0);
        QCOMPARE(buffer.droppedLines() % TextBlock::mostLines, 0u);
        QVERIFY(buffer.LineCount() >= limit);
        QVERIFY(buffer.LineCount() < limit + static_cast<int>(TextBlock::mostLines));
        QCOMPARE(std::string(buffer.lineText(buffer.lastIndex())), numbered(29999) + "\r\n");
        QCOMPARE(rig.view().viewport().position(), buffer.LineCount());
        QVERIFY(!rig.view().viewport().scrolledBack());
    }

    // Find selects a line; lines dropped above it leave the same text selected and copied, and
    // the next step goes on after it. A match that was dropped makes Find start at the top.
    void selectionAndFindStayWithTheirTextAcrossADrop() {
        LimitRig rig;
        TextBuffer& buffer = rig.buffer();
        rig.receive(0, 5000);
        rig.window->openFind();
        FindDialog* find = rig.window->findDialog();
        QVERIFY(find);
        find->textField()->setText("line 45");
        find->findNext();
        QCOMPARE(buffer.selStartLine, rig.indexOf(45));
        find->findNext();
        QCOMPARE(buffer.selStartLine, rig.indexOf(450));
        rig.receiveUntilADrop();
        QCOMPARE(rig.indexOf(450), -1);
        QCOMPARE(buffer.selStartLine, -1);
        find->findNext();
        QCOMPARE(buffer.selStartLine, rig.indexOf(4500));

        // Lines behind the oldest block, which the next drop keeps.
        rig.fillTheOldestBlock();
        rig.receive(300000, 3);
        find->textField()->setText("line 3000");
        find->findNext();
        find->findNext();
        const int selected = rig.indexOf(300001);
        QCOMPARE(buffer.selStartLine, selected);
        rig.receiveUntilADrop();
        QVERIFY(rig.indexOf(300001) < selected);
        QCOMPARE(buffer.selStartLine, rig.indexOf(300001));
        QCOMPARE(buffer.selEndCol, 9);
        rig.press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("line 3000"));
        find->findNext();
        QCOMPARE(buffer.selStartLine, rig.indexOf(300002));
        find->close();
    }

    // The player scrolled back to read: the pane keeps showing the same rows while the
    // oldest lines are dropped above them and new ones arrive below.
    void aScrolledBackPaneHoldsStillAcrossADrop() {
        LimitRig rig;
        rig.receive(0, 100);
        rig.fillTheOldestBlock();
        rig.receive(300000, 200);
        rig.press(Qt::Key_PageUp);
        OutputView& view = rig.view();
        QVERIFY(view.viewport().scrolledBack());
        const int bottom = view.viewport().position() - 1;
        QVERIFY(bottom >= static_cast<int>(TextBlock::mostLines));
        const std::string text(rig.buffer().lineText(bottom));
        const QImage before = view.grab().toImage();
        rig.receiveUntilADrop();
        QVERIFY(view.viewport().position() - 1 < bottom);
        QCOMPARE(std::string(rig.buffer().lineText(view.viewport().position() - 1)), text);
        QCOMPARE(view.grab().toImage(), before);
        QVERIFY(view.viewport().scrolledBack());
    }

    void theGeneralPageEditsTheLimit() {
        LimitRig rig;
        GeneralPage page;
        page.load(rig.client.preferences());
        QCOMPARE(page.scrollbackEdit()->text(), QString::number(limit));
        page.scrollbackEdit()->setText("250000");
        page.save(rig.client.preferences());
        QCOMPARE(rig.buffer().scrollbackLimit(), 250000);
        // Fewer than the least the field takes is refused and the limit stays.
        page.scrollbackEdit()->setText("5");
        page.save(rig.client.preferences());
        QCOMPARE(rig.buffer().scrollbackLimit(), 250000);
    }
};

} // namespace vesk

std::unique_ptr<QObject> createScrollbackLimitTest() {
    return std::make_unique<vesk::ScrollbackLimitTest>();
}

#include "ScrollbackLimitTest.moc"
