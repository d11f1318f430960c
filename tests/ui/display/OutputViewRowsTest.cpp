// A stored line wider than the pane is broken into display rows: drawn whole, again after a
// resize or a zoom, and still selected, copied, found and pointed at as one line.
#include "ViewRig.h"

#include "display/FindState.h"
#include "display/TextSelection.h"

#include "FakeHost.h"

#include <QTest>

#include <memory>
#include <set>

namespace vesk {

namespace {
const std::string text = "The black water laps at the stones. Something grunts nearby in the dark.";
const QColor selectionColour(200, 200, 200);

int columnOf(std::string_view word) {
    return static_cast<int>(text.find(word));
}
} // namespace

class OutputViewRowsTest : public QObject {
    Q_OBJECT

private:
    // How many display rows from the bottom hold ink.
    static int inkedRows(uitest::ViewRig& rig) {
        const QImage image = rig.view.grab().toImage();
        int rows = 0;
        while (rows < 40 && rig.row(rows).top() >= 0 &&
               uitest::ViewRig::inked(image, rig.row(rows))) {
            ++rows;
        }
        return rows;
    }

    // Every character but a blank is drawn inside the pane, where the hit test finds it.
    static void expectEveryCharacterDrawn(uitest::ViewRig& rig, int line) {
        const QImage image = rig.view.grab().toImage();
        for (int column = 0; column < static_cast<int>(text.size()); ++column) {
            if (text[static_cast<std::size_t>(column)] == ' ') {
                continue;
            }
            const auto point = rig.pointOf({line, column});
            QVERIFY2(point, qPrintable(QString("column %1 is not in the pane").arg(column)));
            QVERIFY(uitest::ViewRig::inked(image, QRect(*point - QPoint(3, 5), QSize(6, 10))));
        }
    }

private slots:
    void aLongLineIsBrokenAtBlanksAndDrawnWhole() {
        uitest::ViewRig rig(220, 200);
        rig.add(text + "\n");
        const int rows = rig.view.displayRowsOf(0);
        QVERIFY(rows >= 3);
        QCOMPARE(inkedRows(rig), rows);
        // Every row after the first starts with a word, right after a blank.
        for (int row = 0; row + 1 < rows; ++row) {
            const auto start = rig.view.hitTest(rig.centre(0, row));
            QVERIFY(start && start->line == 0 && start->column > 0);
            QCOMPARE(text[static_cast<std::size_t>(start->column - 1)], ' ');
        }
        expectEveryCharacterDrawn(rig, 0);
    }

    void rowsFollowAResizeAndAZoom() {
        uitest::ViewRig rig(220, 300);
        rig.add(text + "\n");
        const int narrow = rig.view.displayRowsOf(0);
        rig.view.resize(800, 300);
        QCOMPARE(rig.view.displayRowsOf(0), 1);
        QCOMPARE(inkedRows(rig), 1);
        rig.view.resize(220, 300);
        QCOMPARE(rig.view.displayRowsOf(0), narrow);
        QFont larger = uitest::testFixedFont();
        larger.setPixelSize(20);
        rig.view.setTextFont(larger);
        QVERIFY(rig.view.displayRowsOf(0) > narrow);
        QCOMPARE(inkedRows(rig), rig.view.displayRowsOf(0));
        expectEveryCharacterDrawn(rig, 0);
    }

    void selectionAndCopySpanTheRowsOfOneLine() {
        uitest::ViewRig rig(220, 200);
        rig.add("before\n");
        rig.add(text + "\n");
        const auto first = rig.pointOf({1, columnOf("Something")});
        const auto last = rig.pointOf({1, columnOf("nearby") + 5});
        QVERIFY(first && last);
        QVERIFY2(first->y() < last->y(), "the two words are on different rows");
        rig.view.beginSelection(*first - QPoint(2, 0));
        rig.view.dragSelection(*last + QPoint(2, 0));
        rig.view.endSelection(*last + QPoint(2, 0));
        QCOMPARE(rig.view.selection().selectedText("\n"), std::string("Something grunts nearby"));
        const QImage image = rig.view.grab().toImage();
        QVERIFY(
            uitest::ViewRig::has(image, QRect(first->x(), first->y() - 2, 4, 4), selectionColour));
        QVERIFY(uitest::ViewRig::has(image, QRect(last->x() - 4, last->y() - 2, 4, 4),
                                     selectionColour));
        // The word under the pointer on a later row of the line.
        QCOMPARE(rig.view.wordAt(*last, examineDelimiters), std::optional<std::string>("nearby"));
    }

    void findScrollsAMatchOnALaterRowIntoSight() {
        uitest::ViewRig rig(220, 100);
        rig.add(text + "\n");
        for (int line = 0; line < 40; ++line) {
            rig.add("filler " + std::to_string(line) + "\n");
        }
        testing::FakeHost host;
        FindState find(rig.buffer, host);
        const FindState::Result found = find.FindNext({"dark", true, false});
        QCOMPARE(found.match, (TextPosition{0, columnOf("dark")}));
        QVERIFY(!rig.pointOf(found.match));
        rig.view.scrollToLine(found.match.line);
        QVERIFY(rig.pointOf(found.match));
        QVERIFY2(rig.pointOf({0, 0}), "the whole line is in sight");
    }

    // Row by row, every display row of a line taller than the pane comes to the bottom once.
    void stepsReachEveryRowOfALineTallerThanThePane() {
        uitest::ViewRig rig(130, 60);
        rig.buffer.setWrapWidth(0);
        rig.add(text + " " + text + "\n");
        rig.add("after\n");
        const int rows = rig.view.displayRowsOf(0);
        QVERIFY(rows > rig.view.viewport().page());
        std::set<int> bottomRowStarts;
        for (int step = 0; step < 3 * rows; ++step) {
            rig.view.lineUp();
            if (const auto start = rig.view.hitTest(rig.centre(0, 0)); start && start->line == 0) {
                bottomRowStarts.insert(start->column);
            }
        }
        QCOMPARE(static_cast<int>(bottomRowStarts.size()), rows);
        QVERIFY(bottomRowStarts.contains(0));
        QCOMPARE(rig.view.viewport().position(), 1);
        QCOMPARE(rig.view.viewport().rowsBelow(), rows - 1);
    }
};

} // namespace vesk

std::unique_ptr<QObject> createOutputViewRowsTest() {
    return std::make_unique<vesk::OutputViewRowsTest>();
}

#include "OutputViewRowsTest.moc"
