#include "RenderShot.h"
#include "SocialTests.h"

#include "FakeHost.h"
#include "app/Client.h"
#include "social/WhoListTable.h"
#include "social/WhoListWindow.h"

#include <QHeaderView>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using vesk::WhoColumn;
using vesk::WhoListWindow;

namespace {

// A client whose who list the server fills, as with the who window open.
struct Fixture {
    QTemporaryDir folder;
    vesk::testing::FakeHost host;
    vesk::Client client{host, folder.path().toStdString()};

    Fixture() {
        client.windows().who = true;
        client.onConnected();
        client.preferences().friends.addList("Pals");
        client.preferences().friends.addMember(0, "brianna");
        client.preferences().friends.addMember(0, "Osric");
        client.onReceived("##VESK LOGON ClearNames\n"
                          "##VESK LOGON osric 12 human warrior squire\n"
                          "##VESK LOGON Amelia 40 elf mage archmage\n"
                          "##VESK LOGON brianna 25 dwarf cleric priest\n"
                          "##VESK LOGON Corwin 25 human ranger scout\n"
                          "##VESK LOGON <b>Dax</b> 3 halfling thief\n");
    }

    std::unique_ptr<WhoListWindow> window() {
        return std::make_unique<WhoListWindow>(client.whoList(), client.preferences());
    }
};

QStringList column(vesk::WhoListTable& table, int index) {
    QStringList texts;
    for (int row = 0; row < table.topLevelItemCount(); ++row) {
        texts << table.topLevelItem(row)->text(index);
    }
    return texts;
}

QStringList names(vesk::WhoListTable& table) {
    return column(table, table.columnOf(WhoColumn::Name));
}

} // namespace

void WhoListWindowTest::showsTheServersEntriesAfterAChange() {
    Fixture fixture;
    auto window = fixture.window();
    QCOMPARE(window->windowTitle(), QString("Who List"));
    QCOMPARE(window->table().topLevelItemCount(), 5);
    // Server names are shown as they are, never as markup.
    QVERIFY(names(window->table()).contains("<b>dax</b>"));

    fixture.host.clearRecords();
    fixture.client.onReceived("##VESK LOGOFF corwin\n##VESK LOGON eve 1 gnome bard\n");
    QVERIFY(fixture.host.countChanges(vesk::Change::WhoList) > 0);
    window->refresh();
    window->refresh();
    QTRY_VERIFY(names(window->table()).contains("Eve"));
    QVERIFY(!names(window->table()).contains("Corwin"));
}

void WhoListWindowTest::sortRowReordersTheRows() {
    Fixture fixture;
    auto window = fixture.window();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto& table = window->table();
    QCOMPARE(names(table), (QStringList{"Amelia", "Brianna", "Corwin", "Osric", "<b>dax</b>"}));
    struct Case {
        const char* choice;
        QStringList expected;
    };
    const Case cases[] = {
        {"Class", {"Brianna", "Amelia", "Corwin", "<b>dax</b>", "Osric"}},
        {"Race", {"Brianna", "Amelia", "<b>dax</b>", "Corwin", "Osric"}},
        {"Friends", {"Brianna", "Osric", "Amelia", "Corwin", "<b>dax</b>"}},
        {"Level", {"Amelia", "Brianna", "Corwin", "Osric", "<b>dax</b>"}},
    };
    for (const auto& testCase : cases) {
        auto* choice = window->findChild<QRadioButton*>(testCase.choice);
        QTest::mouseClick(choice, Qt::LeftButton);
        QCOMPARE(names(table), testCase.expected);
    }
}

void WhoListWindowTest::friendsAreBoldAndStarred() {
    Fixture fixture;
    auto window = fixture.window();
    window->setSort(vesk::WhoSort::Friends);
    window->resize(420, 260);
    auto& table = window->table();
    for (int row = 0; row < table.topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = table.topLevelItem(row);
        const bool isFriend = row < 2;
        QCOMPARE(item->font(table.columnOf(WhoColumn::Name)).bold(), isFriend);
        QCOMPARE(item->text(0).isEmpty(), !isFriend);
    }
    // The bold star row differs from a plain one on screen too.
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QImage picture = table.viewport()->grab().toImage();
    const QRect friendStar = table.visualItemRect(table.topLevelItem(0)) & QRect(0, 0, 24, 999);
    bool inked = false;
    for (int x = friendStar.left(); x <= friendStar.right(); ++x) {
        for (int y = friendStar.top(); y <= friendStar.bottom(); ++y) {
            const QColor pixel = picture.pixelColor(x, y);
            inked = inked || (pixel.red() > 150 && pixel.blue() < 100);
        }
    }
    QVERIFY2(inked, "the friend's star is drawn in gold");
    vesk::uitest::saveShot(*window, "who-list-window");
}

void WhoListWindowTest::columnsFollowTheOptions() {
    Fixture fixture;
    auto& settings = fixture.client.preferences().settings;
    settings.setNumber(vesk::setting::showWhoLevel, 0);
    settings.setNumber(vesk::setting::showWhoClass, 0);
    auto window = fixture.window();
    auto& table = window->table();
    QCOMPARE(table.columnCount(), 3);
    QCOMPARE(table.headerItem()->text(1), QString("Name"));
    QCOMPARE(table.headerItem()->text(2), QString("Race"));
    QCOMPARE(column(table, 2).first(), QString("Elf"));
    settings.setNumber(vesk::setting::showWhoClass, 1);
    settings.setNumber(vesk::setting::showWhoLevel, 1);
    window->refresh();
    QTRY_COMPARE(table.columnCount(), 5);
    QCOMPARE(column(table, table.columnOf(WhoColumn::Class)).first(), QString("Mage"));
    QCOMPARE(column(table, table.columnOf(WhoColumn::Level)).first(), QString("40"));
}

void WhoListWindowTest::placementIsRestoredAndRecorded() {
    Fixture fixture;
    auto& settings = fixture.client.preferences().settings;
    settings.setNumber(vesk::setting::whoDimensions, 380, 0);
    settings.setNumber(vesk::setting::whoDimensions, 300, 1);
    auto window = fixture.window();
    QCOMPARE(window->size(), QSize(380, 300));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->resize(400, 320);
    QTRY_COMPARE(settings.number(vesk::setting::whoDimensions, 0), 400);
    QCOMPARE(settings.number(vesk::setting::whoDimensions, 1), 320);
    window->move(60, 70);
    QTRY_COMPARE(settings.number(vesk::setting::whoLocation, 0), window->x());
    QCOMPARE(settings.number(vesk::setting::whoLocation, 1), window->y());
}

void WhoListWindowTest::shownChangedFollowsTheWindow() {
    Fixture fixture;
    auto window = fixture.window();
    QSignalSpy spy(window.get(), &WhoListWindow::shownChanged);
    window->show();
    window->hide();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
}

// A name with the byte 0xE9 showed as U+FFFD; a friend typed as UTF-8 is the same name.
void WhoListWindowTest::eightBitNamesShowTheirCharacters() {
    Fixture fixture;
    fixture.client.whoList().logOn({"ren\xe9", "7", "elf", "bard", "minstrel"});
    fixture.client.preferences().friends.addMember(0, "Ren\xc3\xa9");
    auto window = fixture.window();
    auto& table = window->table();
    const int row = static_cast<int>(names(table).indexOf(QString::fromUtf8("Ren\xc3\xa9")));
    QVERIFY2(row >= 0, qPrintable(names(table).join(",")));
    QVERIFY(!names(table).join("").contains(QChar(0xFFFD)));
    QVERIFY2(!table.topLevelItem(row)->text(0).isEmpty(), "a friend however the name is encoded");
}

// Never sized by the player (the first start), the window shows every sort choice and every
// column it offers whole: no label cut short, no column pushed out of sight.
void WhoListWindowTest::firstSizeShowsEverySortChoiceAndColumn() {
    Fixture fixture;
    fixture.client.onReceived("##VESK LOGON Bartholomew 100 half-orc necromancer grand\n");
    auto window = fixture.window();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->rebuild();
    for (const QRadioButton* choice : window->findChildren<QRadioButton*>()) {
        QVERIFY2(choice->width() >= choice->sizeHint().width(), qPrintable(choice->text()));
    }
    vesk::WhoListTable& table = window->table();
    QCOMPARE(table.columnCount(), 5);
    QVERIFY(!table.horizontalScrollBar()->isVisible());
    const QHeaderView& header = *table.header();
    for (int column = 1; column < table.columnCount(); ++column) {
        const int shown = header.sectionSize(column);
        QVERIFY2(shown >= header.sectionSizeHint(column),
                 qPrintable(table.headerItem()->text(column)));
        for (int row = 0; row < table.topLevelItemCount(); ++row) {
            const QString text = table.topLevelItem(row)->text(column);
            QVERIFY2(shown > table.fontMetrics().horizontalAdvance(text), qPrintable(text));
        }
    }
    QVERIFY(header.sectionViewportPosition(table.columnCount() - 1) +
                header.sectionSizeHint(table.columnCount() - 1) <=
            table.viewport()->width());
    vesk::uitest::saveShot(*window, QStringLiteral("who-list-first-start"));
}
