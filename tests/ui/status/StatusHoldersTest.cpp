#include "RenderShot.h"
#include "StatusTestClasses.h"
#include "StatusTestClient.h"

#include "settings/SettingsTable.h"
#include "status/StatusFrameLayout.h"
#include "status/StatusFrameWindow.h"
#include "status/StatusPane.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace vesk::uitest {
namespace {

QRect toRect(const FrameRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

// The first row of the view where a pixel is not black.
int firstLitRow(QWidget& view) {
    const QImage image = view.grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(0, 0, 0)) {
                return y;
            }
        }
    }
    return -1;
}

} // namespace

void StatusHoldersTest::paneScrollBarAppearsWhenContentsOutgrowIt() {
    StatusTestClient test;
    StatusPane pane(test.client->status(), test.client->preferences());
    pane.resize(145, 400);
    pane.show();
    QSignalSpy needed(&pane, &StatusPane::scrollBarNeededChanged);
    pane.view().refresh();
    QVERIFY(!pane.scrollBarNeeded());
    QVERIFY(!pane.scrollBar().isVisible());

    test.receive("##VESK COMBAT @a@ 5 0 @b@ 5 0 @c@ 5 0\n");
    pane.view().refresh();
    QCOMPARE(needed.count(), 1);
    QCOMPARE(needed.last().first().toBool(), true);
    QVERIFY(pane.scrollBar().isVisible());
    QCOMPARE(pane.view().contentHeight(), 355 + 165);
    QCOMPARE(pane.scrollBar().maximum(), 520 - 400);
    QCOMPARE(pane.scrollBar().pageStep(), 400);
    QCOMPARE(pane.view().width(), 145 - StatusPane::defaultScrollBarWidth);
    // The main window widens the pane by the bar's width; the view keeps its width.
    pane.resize(145 + pane.scrollBarWidth(), 400);
    QCOMPARE(pane.view().width(), 145);

    pane.scrollBar().setValue(100);
    test.receive("##VESK LEAVECOMBAT\n");
    pane.view().refresh();
    QCOMPARE(needed.count(), 2);
    QCOMPARE(needed.last().first().toBool(), false);
    QVERIFY(!pane.scrollBar().isVisible());
    QCOMPARE(pane.view().scrollPosition(), 0);
}

void StatusHoldersTest::scrollingMovesThePicture() {
    StatusTestClient test;
    test.fight();
    StatusPane pane(test.client->status(), test.client->preferences());
    pane.resize(158, 300);
    pane.show();
    pane.view().refresh();
    QVERIFY(pane.scrollBar().isVisible());
    const int top = firstLitRow(pane.view());
    QScrollBar& bar = pane.scrollBar();
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(bar.value(), 20);
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(bar.value(), 100);
    QCOMPARE(pane.view().scrollPosition(), 100);
    bar.triggerAction(QAbstractSlider::SliderPageStepSub);
    bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
    bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(bar.value(), 0);
    bar.setValue(3);
    QCOMPARE(firstLitRow(pane.view()), top - 3);
    bar.triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(pane.view().scrollPosition(), pane.view().contentHeight() - 300);
    // The wheel over the view scrolls it up.
    QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&pane.view(), &wheel);
    QVERIFY(pane.view().scrollPosition() < pane.view().contentHeight() - 300);
    saveShot(pane, "status-pane-docked");
}

void StatusHoldersTest::frameLaysOutWithAndWithoutLagMeter() {
    StatusTestClient test;
    test.fight();
    StatusFrameWindow frame(test.client->status(), test.client->preferences());
    auto* readout = new QLabel("Lag-o-Meter: 0.000 s");
    auto* bar = new QWidget;
    frame.setLagDisplay(readout, bar, true);
    frame.show();
    frame.view().refresh();
    QCOMPARE(readout->parentWidget(), &frame);

    const auto expect = [&](bool lag) {
        StatusFrameLayout::Input input;
        input.clientWidth = frame.width();
        input.clientHeight = frame.height();
        input.scrollBarVisible = frame.scrollBarNeeded();
        input.lagMeterShown = lag;
        input.lagBarFontHeight = QFontMetrics(bar->font()).height();
        input.lagTextFontHeight = QFontMetrics(readout->font()).height();
        return StatusFrameLayout::compute(input);
    };
    // The fight is taller than the 497-pixel window less the lag meter: the bar shows.
    QVERIFY(frame.scrollBarNeeded());
    StatusFrameLayout layout = expect(true);
    QCOMPARE(frame.view().geometry(), toRect(layout.view));
    QCOMPARE(frame.scrollBar().geometry(), toRect(layout.scrollBar));
    QCOMPARE(frame.scrollBar().width(), 14);
    QCOMPARE(readout->geometry(), toRect(layout.lagText));
    QCOMPARE(bar->geometry(), toRect(layout.lagBar));
    QVERIFY(readout->isVisible() && bar->isVisible());
    saveShot(frame, "status-window-floating");

    frame.setLagMeterShown(false);
    layout = expect(false);
    QCOMPARE(frame.view().geometry(), toRect(layout.view));
    QCOMPARE(frame.view().height(), frame.height());
    QVERIFY(!readout->isVisible() && !bar->isVisible());

    test.receive("##VESK LEAVECOMBAT\n");
    frame.view().refresh();
    QVERIFY(!frame.scrollBarNeeded());
    QCOMPARE(frame.view().width(), frame.width());

    // Docking again, the main window takes the lag display back: the view fills the window.
    frame.setLagMeterShown(true);
    QVERIFY(frame.view().height() < frame.height());
    QWidget mainWindow;
    readout->setParent(&mainWindow);
    bar->setParent(&mainWindow);
    frame.setLagMeterShown(true);
    QCOMPARE(frame.view().height(), frame.height());
}

void StatusHoldersTest::frameOpensWhereItWasAndRecordsMoves() {
    StatusTestClient test;
    Settings& settings = test.client->preferences().settings;
    settings.setNumber(setting::statusMoveableLocation, 30, 0);
    settings.setNumber(setting::statusMoveableLocation, 40, 1);
    StatusFrameWindow frame(test.client->status(), test.client->preferences());
    frame.show();
    QCOMPARE(frame.windowTitle(), QString("Status Window"));
    QCOMPARE(frame.pos(), QPoint(30, 40));
    QCOMPARE(frame.frameGeometry().size(), QSize(177, 497));
    frame.move(60, 70);
    QTRY_COMPARE(settings.number(setting::statusMoveableLocation, 0), 60);
    QCOMPARE(settings.number(setting::statusMoveableLocation, 1), 70);
    frame.resize(200, 300);
    QTRY_COMPARE(settings.number(setting::statusDimensions, 0), frame.frameGeometry().width());
    QCOMPARE(settings.number(setting::statusDimensions, 1), frame.frameGeometry().height());
    QSignalSpy closed(&frame, &StatusFrameWindow::closedByUser);
    frame.close();
    QCOMPARE(closed.count(), 1);
}

} // namespace vesk::uitest
