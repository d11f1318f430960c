#include "RenderShot.h"
#include "StatusTestClasses.h"
#include "StatusTestClient.h"

#include "settings/SettingsTable.h"
#include "status/SkillsPaintPlan.h"
#include "status/SkillsWindow.h"
#include "status/StatusItemPainter.h"

#include <QSignalSpy>
#include <QTest>

namespace vesk::uitest {
namespace {

int countColour(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) == colour;
        }
    }
    return count;
}

// Where the window puts a text, worked out with the window's own font.
QRect textArea(SkillsWindow& window, Client& client, std::string_view wanted) {
    const QFontMetrics metrics(window.font());
    const SkillsPaintPlan::TextWidth width = [&](std::string_view text) {
        return metrics.horizontalAdvance(StatusItemPainter::displayText(text));
    };
    const SkillsPaintPlan plan(client.skills().columnsText(), metrics.lineSpacing(),
                               Rgb{200, 200, 200}, width);
    for (const StatusPaintItem& item : plan.items()) {
        if (item.text == wanted) {
            return QRect(item.x, item.y, width(wanted), metrics.height());
        }
    }
    return {};
}

} // namespace

void SkillsWindowTest::paintsCaptionsLevelsAndMax() {
    StatusTestClient test;
    test.receive("##VESK CLASS mage\n##VESK SKILL blunt 12 45\n##VESK SKILL conjuring 1234 101\n"
                 "##VESK SKILL attack 7 100\n##VESK SKILL sorcery 88 -1\n");
    SkillsWindow window(test.client->skills(), test.client->preferences().settings);
    window.show();
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb green = qRgb(0, 255, 0);
    const QRect caption = textArea(window, *test.client, "Weapons");
    QCOMPARE(caption.topLeft(), QPoint(10, 10));
    QVERIFY(countColour(image, caption, green) > 0);
    QVERIFY(countColour(image, textArea(window, *test.client, "Blunt"), qRgb(200, 200, 200)) > 0);
    QVERIFY(countColour(image, textArea(window, *test.client, " 12 "), qRgb(255, 255, 255)) == 0);
    QVERIFY(countColour(image, textArea(window, *test.client, " 12 "), qRgb(255, 0, 0)) > 0);
    const QRect maximum = textArea(window, *test.client, "(MAX!)");
    QVERIFY(maximum.isValid());
    QVERIFY(maximum.left() > caption.left());
    QVERIFY(countColour(image, maximum, green) > 0);
    // Nothing is painted in white or any colour but the four the window uses.
    QCOMPARE(countColour(image, image.rect(), qRgb(255, 255, 255)), 0);
    QCOMPARE(image.pixel(image.width() - 1, image.height() - 1), qRgb(0, 0, 0));
    window.resize(window.width(), 230);
    saveShot(window, "skills-window-mage");
    test.receive("##VESK CLASS Warrior\n");
    window.resize(660, 230);
    saveShot(window, "skills-window-other");
}

void SkillsWindowTest::toggleShowsHidesAndAsksForSkills() {
    StatusTestClient test;
    Client& client = *test.client;
    // The window says when the player shows or hides it; the client records that and asks.
    SkillsWindow window(client.skills(), client.preferences().settings);
    QObject::connect(&window, &SkillsWindow::openChanged,
                     [&client](bool shown) { client.skillsWindowShown(shown); });
    QSignalSpy open(&window, &SkillsWindow::openChanged);
    // No character yet: the window opens without asking.
    window.toggle();
    QVERIFY(window.isVisible());
    QVERIFY(test.host.sent.empty());
    QCOMPARE(client.preferences().settings.number(setting::skillsOpen), 1);
    QVERIFY(client.windows().skillsShown);
    window.toggle();
    QVERIFY(!window.isVisible());
    QCOMPARE(client.preferences().settings.number(setting::skillsOpen), 0);
    QVERIFY(!client.windows().skillsShown);

    test.receive("##VESK NAME Tamsin\n");
    test.host.sent.clear();
    window.toggle();
    QCOMPARE(test.host.sent.size(), std::size_t{1});
    QCOMPARE(QByteArray::fromStdString(test.host.sent.front()).startsWith("vesk skills\n"), true);
    window.toggle();
    QCOMPARE(test.host.sent.size(), std::size_t{1});
    QCOMPARE(open.count(), 4);
    QCOMPARE(open.last().first().toBool(), false);

    // Disconnected: opening asks nothing.
    client.OnConnectionEnded(false);
    test.host.sent.clear();
    window.setOpen(true);
    QVERIFY(test.host.sent.empty());
    // The close button closes it like the command does.
    window.close();
    QCOMPARE(client.preferences().settings.number(setting::skillsOpen), 0);
    QCOMPARE(open.last().first().toBool(), false);
}

void SkillsWindowTest::recordsPlacement() {
    StatusTestClient test;
    Settings& settings = test.client->preferences().settings;
    SkillsWindow window(test.client->skills(), test.client->preferences().settings);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Skills"));
    QCOMPARE(window.pos(), QPoint(0, 300));
    QCOMPARE(window.frameGeometry().size(), QSize(615, 191));
    window.move(15, 25);
    QTRY_COMPARE(settings.number(setting::skillsLocation, 0), 15);
    QCOMPARE(settings.number(setting::skillsLocation, 1), 25);
    window.resize(500, 150);
    QTRY_COMPARE(settings.number(setting::skillsDimensions, 0), window.frameGeometry().width());
    QCOMPARE(settings.number(setting::skillsDimensions, 1), window.frameGeometry().height());
}

} // namespace vesk::uitest
