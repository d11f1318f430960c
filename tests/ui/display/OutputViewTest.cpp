// What the output view draws: colours as a terminal reads them, the same whatever is scrolled
// off, and every character of UTF-8 and Latin-1 lines.
#include "ViewRig.h"

#include <QTest>

#include <memory>

namespace vesk {

namespace {
const std::string esc = "\x1b";
const QColor white(200, 200, 200);
const QColor redBold(255, 0, 0);
const QColor green(0, 120, 0);
} // namespace

class OutputViewTest : public QObject {
    Q_OBJECT

private slots:
    void terminalColourSequencesDrawTheirColours() {
        struct Case {
            const char* name;
            std::string line;
            int column;
            QColor drawn;
            QColor notDrawn;
        };
        const Case cases[] = {
            {"TinyMUX bold, then red", esc + "[1m" + esc + "[31mHold red" + esc + "[0m Plain", 0,
             redBold, white},
            {"0 resets colour and bold", esc + "[1m" + esc + "[31mHold red" + esc + "[0m Plain", 9,
             white, redBold},
            {"bold and red in one sequence", esc + "[1;31mH", 0, redBold, white},
            {"reset, bold and yellow in order", esc + "[32m" + esc + "[0;1;33mH", 0,
             QColor(255, 255, 0), QColor(0, 120, 0)},
            {"bright black is grey", esc + "[90mH", 0, QColor(150, 150, 150), QColor(255, 255, 0)},
            {"black is dark grey on black", esc + "[30mH", 0, QColor(96, 96, 96),
             QColor(255, 255, 0)},
            {"bright red", esc + "[91mH", 0, redBold, white},
            {"22 ends bold", esc + "[1;31m" + esc + "[22mH", 0, QColor(140, 0, 0), redBold},
            {"39 is the default colour", esc + "[31m" + esc + "[39mH", 0, white, QColor(140, 0, 0)},
            {"256 colours", esc + "[38;5;196mH", 0, QColor(255, 0, 0), white},
            {"24-bit colour", esc + "[38;2;0;255;0mH", 0, QColor(0, 255, 0), white},
            {"a background code is ignored", esc + "[41;32mH", 0, green, QColor(140, 0, 0)},
            {"FenmarchMUD's yellow", esc + "[33mH", 0, QColor(200, 120, 0), white},
            {"FenmarchMUD's reset", esc + "[1;31mA" + esc + "[0;37;40mH", 1, white, redBold},
        };
        for (const Case& test : cases) {
            uitest::ViewRig rig;
            rig.add(test.line + "\n");
            QVERIFY2(rig.cellHas(test.column, test.drawn), test.name);
            QVERIFY2(!rig.cellHas(test.column, test.notDrawn), test.name);
        }
    }

    // A colour switched on many lines up is in force on every later row, on screen or not.
    void aColourFromAnEarlierLineDrawsTheSameScrolledOrNot() {
        uitest::ViewRig rig(400, 120);
        rig.add(esc + "[32mGreen from here\n");
        for (int line = 0; line < 30; ++line) {
            rig.add("HHHH\n");
        }
        // The first line is far above the pane.
        QVERIFY(rig.cellHas(0, green));
        QVERIFY(!rig.cellHas(0, white));
        // Scrolled back until the first line is on screen: the same rows, the same colour.
        for (int step = 0; step < 26; ++step) {
            rig.view.lineUp();
        }
        QCOMPARE(rig.view.viewport().position(), 5);
        QVERIFY(rig.cellHas(0, green));
        QVERIFY(rig.cellHas(0, green, 4));
        rig.view.pageDown();
        QVERIFY(rig.view.viewport().position() > 5);
        QVERIFY(rig.cellHas(0, green));
        QVERIFY(!rig.cellHas(0, white));
    }

    void utf8AndLatin1CharactersAreDrawn() {
        uitest::ViewRig rig;
        // "café ß Ω →" in UTF-8, then "café" in Latin-1; every column has a glyph.
        rig.add("caf\xc3\xa9 \xc3\x9f \xce\xa9 \xe2\x86\x92\n");
        const QImage utf8 = rig.view.grab().toImage();
        for (const int column : {3, 5, 7, 9}) {
            QVERIFY2(uitest::ViewRig::inked(utf8, rig.cell(column)),
                     qPrintable(QString("column %1").arg(column)));
        }
        rig.add("caf\xe9\n");
        const QImage latin1 = rig.view.grab().toImage();
        QVERIFY(uitest::ViewRig::inked(latin1, rig.cell(3)));
        QCOMPARE(latin1.copy(rig.cell(3)), utf8.copy(rig.cell(3)));
        // And it is an "é", not an "e".
        rig.add("cafe\n");
        const QImage plain = rig.view.grab().toImage();
        QCOMPARE(plain.copy(rig.cell(2)), latin1.copy(rig.cell(2)));
        QVERIFY(plain.copy(rig.cell(3)) != latin1.copy(rig.cell(3)));
    }

    // A drag released on the right half of the last character takes it in; past the end too.
    void aReleaseOnTheLastCharacterIncludesIt() {
        uitest::ViewRig rig;
        rig.add("alpha beta\n");
        const double advance = rig.advance();
        const int rowMiddle = rig.centre(0).y();
        const auto at = [&](double column) {
            return QPoint(static_cast<int>(5 + column * advance), rowMiddle);
        };
        struct Case {
            const char* name;
            double press;
            double release;
            const char* copied;
        };
        const Case cases[] = {
            {"right half of the last character", 6.2, 9.8, "beta"},
            {"past the end of the line", 6.2, 30, "beta"},
            {"left half of a character leaves it out", 6.2, 9.2, "bet"},
            {"backwards onto the right half of the first", 9.8, 6.7, "eta"},
        };
        for (const Case& test : cases) {
            rig.view.beginSelection(at(test.press));
            rig.view.dragSelection(at(test.release));
            rig.view.endSelection(at(test.release).x() < rig.view.width()
                                      ? at(test.release)
                                      : QPoint(rig.view.width() - 1, rowMiddle));
            QCOMPARE(QString::fromStdString(rig.view.selection().selectedText().value_or("?")),
                     QString(test.copied));
        }
    }

    void ctrlWheelAsksForZoomAndThePlainWheelScrollsRows() {
        uitest::ViewRig rig(400, 120);
        for (int line = 0; line < 50; ++line) {
            rig.add("line\n");
        }
        QList<int> steps;
        connect(&rig.view, &OutputView::zoomRequested, this, [&](int step) { steps << step; });
        const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
            QWheelEvent event(QPointF(20, 20), rig.view.mapToGlobal(QPointF(20, 20)), QPoint(),
                              QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(&rig.view, &event);
        };
        wheel(120, Qt::ControlModifier);
        wheel(-240, Qt::ControlModifier);
        wheel(60, Qt::ControlModifier);
        wheel(60, Qt::ControlModifier);
        QCOMPARE(steps, (QList<int>{1, -2, 1}));
        QCOMPARE(rig.view.viewport().position(), 50); // zooming does not scroll
        wheel(120, Qt::NoModifier);
        QCOMPARE(rig.view.viewport().position(), 40);
    }
};

} // namespace vesk

std::unique_ptr<QObject> createOutputViewTest() {
    return std::make_unique<vesk::OutputViewTest>();
}

#include "OutputViewTest.moc"
