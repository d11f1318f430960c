#include "profiles/MacrosPage.h"
#include "profiles/MacroTable.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <memory>

namespace vesk::uitest {

class MacrosPageTest : public QObject {
    Q_OBJECT
private slots:
    void keysInTableOrderWithNothingChosen() {
        MacroTable table = MacroTable::withStandardKeys();
        table["Keypad Ins + Num Lock"];
        MacrosPage page;
        page.LoadMacroTable(&table);
        QCOMPARE(page.keyList()->count(), 57);
        QCOMPARE(page.keyList()->item(0)->text(), QStringLiteral("Keypad Up + Num Lock"));
        QCOMPARE(page.keyList()->item(14)->text(), QStringLiteral("F1"));
        QCOMPARE(page.keyList()->item(56)->text(), QStringLiteral("Keypad Ins + Num Lock"));
        QCOMPARE(page.keySelectedLabel()->text(), QStringLiteral("Key Selected: None"));
        QVERIFY(!page.macroField()->isEnabled());
        QVERIFY(page.macroField()->text().isEmpty());
    }

    void everyKeystrokeStoresTheMacro() {
        MacroTable table = MacroTable::withDefaultMacros();
        MacrosPage page;
        page.LoadMacroTable(&table);
        page.keyList()->setCurrentRow(0);
        QCOMPARE(page.keySelectedLabel()->text(),
                 QStringLiteral("Key Selected: Keypad Up + Num Lock"));
        QVERIFY(page.macroField()->isEnabled());
        QCOMPARE(page.macroField()->text(), QStringLiteral("north"));

        page.macroField()->setFocus();
        page.macroField()->selectAll();
        QTest::keyClick(page.macroField(), Qt::Key_Backspace);
        QCOMPARE(*table.find("Keypad Up + Num Lock"), std::string());
        QTest::keyClick(page.macroField(), Qt::Key_N);
        QCOMPARE(*table.find("Keypad Up + Num Lock"), std::string("n"));
        QTest::keyClicks(page.macroField(), "e&look");
        QCOMPARE(*table.find("Keypad Up + Num Lock"), std::string("ne&look"));
        QCOMPARE(table.size(), MacroTable::withStandardKeys().size());
    }

    void loadingAnotherTableDropsTheChoice() {
        MacroTable first = MacroTable::withDefaultMacros();
        MacroTable second = MacroTable::withStandardKeys();
        MacrosPage page;
        page.LoadMacroTable(&first);
        page.keyList()->setCurrentRow(1);
        page.LoadMacroTable(&second);
        QCOMPARE(page.keySelectedLabel()->text(), QStringLiteral("Key Selected: None"));
        QVERIFY(!page.macroField()->isEnabled());
        QVERIFY(page.macroField()->text().isEmpty());
        page.LoadMacroTable(nullptr);
        QCOMPARE(page.keyList()->count(), 0);
    }
};

} // namespace vesk::uitest

std::unique_ptr<QObject> makeMacrosPageTest() {
    return std::make_unique<vesk::uitest::MacrosPageTest>();
}

#include "MacrosPageTest.moc"
