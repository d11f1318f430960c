// The main output view split while the player reads back: the upper part keeps its place, the
// tail shows the newest lines, and every way back to the end joins them.
#include "MainWindowRig.h"
#include "display/OutputPane.h"
#include "display/OutputView.h"
#include "input/InputLineEdit.h"

#include <QScrollBar>
#include <QTest>

#include <functional>
#include <memory>

namespace vesk {

namespace {

struct SplitRig : uitest::MainWindowRig {
    SplitRig() {
        connect();
        receiveLines(0, 300);
    }
    void receiveLines(int from, int count) {
        std::string text;
        for (int line = from; line < from + count; ++line) {
            text += "line " + std::to_string(line) + "\r\n";
        }
        client.onReceived(text);
    }
    OutputPane& pane() { return window->outputPane(); }
    OutputView& upper() { return pane().upper(); }
    TextBuffer& buffer() { return client.mainBuffer(); }
    void scrollBack() {
        upper().pageUp();
        upper().pageUp();
    }
    // The stored line shown on the tail's bottom row.
    int tailBottomLine() {
        OutputView& tail = pane().tail();
        const auto shown = tail.hitTest(QPoint(10, tail.height() - tail.lineHeight()));
        return shown ? shown->line : -1;
    }
};

} // namespace

class SplitViewTest : public QObject {
    Q_OBJECT

private slots:
    void scrolledBackTheUpperPartKeepsItsPlaceAndTheTailFollows() {
        SplitRig rig;
        QVERIFY(!rig.pane().split());
        QVERIFY(!rig.pane().tail().isVisible());
        rig.scrollBack();
        QVERIFY(rig.pane().split());
        QVERIFY(rig.pane().tail().isVisible());
        QCOMPARE(rig.pane().tail().textFont(), rig.upper().textFont());
        QVERIFY2(!rig.pane().moreBelowShown(), "nothing arrived yet");
        const int place = rig.upper().viewport().position();
        // About a third of the pane, below the divider.
        const int share = rig.pane().tail().height() * 100 / rig.pane().height();
        QVERIFY2(share >= 30 && share <= 34, QByteArray::number(share));
        QCOMPARE(rig.upper().height() + SplitLayout::dividerHeight + rig.pane().tail().height(),
                 rig.pane().height());

        rig.receiveLines(300, 5);
        QCOMPARE(rig.upper().viewport().position(), place);
        QVERIFY(rig.pane().moreBelowShown());
        QCOMPARE(rig.tailBottomLine(), rig.buffer().lastIndex());
        QVERIFY(rig.buffer().getPlainCharacters(rig.tailBottomLine()) == "line 304");
    }

    // End, Ctrl+End, the wheel to the end, the scroll bar to the end, and a command sent.
    void everyWayBackToTheEndJoinsTheParts() {
        SplitRig rig;
        InputLineEdit& input = rig.window->inputLine();
        QScrollBar* bar = &rig.window->outputScrollBar();
        const std::vector<std::pair<const char*, std::function<void()>>> ways = {
            {"End", [&] { QTest::keyClick(&input, Qt::Key_End); }},
            {"Ctrl+End", [&] { QTest::keyClick(&input, Qt::Key_End, Qt::ControlModifier); }},
            {"the wheel",
             [&] {
                 for (int notch = 0; notch < 20; ++notch) {
                     QWheelEvent wheel(QPointF(20, 20), rig.upper().mapToGlobal(QPointF(20, 20)),
                                       QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                                       Qt::NoScrollPhase, false);
                     QCoreApplication::sendEvent(&rig.pane().tail(), &wheel);
                 }
             }},
            {"the scroll bar",
             [&] {
                 bar->setSliderDown(true);
                 bar->setSliderPosition(bar->maximum());
                 bar->setSliderDown(false);
             }},
            {"a command", [&] {
                 QTest::keyClicks(&input, "look");
                 QTest::keyClick(&input, Qt::Key_Return);
             }}};
        for (const auto& [name, way] : ways) {
            rig.scrollBack();
            rig.receiveLines(1000, 2);
            QVERIFY2(rig.pane().split(), name);
            way();
            QVERIFY2(!rig.pane().split(), name);
            QVERIFY2(!rig.pane().moreBelowShown(), name);
            QVERIFY2(!rig.pane().tail().isVisible(), name);
            QCOMPARE(rig.upper().viewport().position(), rig.buffer().LineCount());
            QCOMPARE(rig.upper().height(), rig.pane().height());
        }
        QCOMPARE(rig.sent.back(), std::string("look\n"));
    }

    void withJoinOnSendOffACommandLeavesTheSplit() {
        SplitRig rig;
        rig.client.preferences().settings.setNumber(setting::splitJoinOnSend, 0);
        rig.scrollBack();
        QTest::keyClicks(&rig.window->inputLine(), "look");
        QTest::keyClick(&rig.window->inputLine(), Qt::Key_Return);
        QCOMPARE(rig.sent.back(), std::string("look\n"));
        QVERIFY(rig.pane().split());
    }

    // A selection made in the tail is the one copied; the upper part shares it.
    void aSelectionInTheTailIsCopied() {
        SplitRig rig;
        rig.client.preferences().settings.setNumber(setting::useEasyMouseCopy, 0);
        rig.scrollBack();
        OutputView& tail = rig.pane().tail();
        const int row = tail.height() - tail.lineHeight();
        QTest::mousePress(&tail, Qt::LeftButton, Qt::NoModifier, QPoint(5, row));
        QTest::mouseMove(&tail, QPoint(tail.width() - 10, row));
        QTest::mouseRelease(&tail, Qt::LeftButton, Qt::NoModifier, QPoint(tail.width() - 10, row));
        const auto copied = rig.upper().selection().selectedText();
        QVERIFY(copied.has_value());
        QCOMPARE(QString::fromStdString(*copied), QStringLiteral("line 299"));
    }

    // The divider sets the tail's share; the share is the player's setting, kept in the file.
    void draggingTheDividerSetsTheShare() {
        SplitRig rig;
        rig.scrollBack();
        QWidget& divider = rig.pane().divider();
        const int paneHeight = rig.pane().height();
        const QPoint middle(divider.width() / 2, divider.height() / 2);
        QTest::mousePress(&divider, Qt::LeftButton, Qt::NoModifier, middle);
        // Halfway up the pane.
        const QPoint target = divider.mapFrom(&rig.pane(), QPoint(middle.x(), paneHeight / 2));
        QTest::mouseMove(&divider, target);
        QTest::mouseRelease(&divider, Qt::LeftButton, Qt::NoModifier, target);
        const int share = rig.client.preferences().settings.number(setting::splitTailShare);
        QVERIFY2(share >= 48 && share <= 52, QByteArray::number(share));
        QCOMPARE(rig.pane().tailShare(), share);
        const int tailShare = rig.pane().tail().height() * 100 / paneHeight;
        QVERIFY2(tailShare >= 47 && tailShare <= 53, QByteArray::number(tailShare));
    }
};

} // namespace vesk

std::unique_ptr<QObject> createSplitViewTest() {
    return std::make_unique<vesk::SplitViewTest>();
}

#include "SplitViewTest.moc"
