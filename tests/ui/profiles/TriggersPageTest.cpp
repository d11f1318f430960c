#include "profiles/TriggersPage.h"
#include "ProfilesTestRig.h"
#include "profiles/TriggerPictures.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace vesk::uitest {

using Triggers = TriggerList;

// A page on its own list, shown so that mouse clicks land where the rows are drawn.
struct PageRig {
    PageRig() : page(settings, QStringLiteral("/games/vesk")) {
        page.resize(640, 320);
        page.LoadTriggerList(&triggers);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
    }

    QPoint rowCentre(int row) const {
        QTreeWidget* list = page.triggerList();
        return list->visualItemRect(list->topLevelItem(row)).center();
    }
    void doubleClickRow(int row) {
        uitest::doubleClick(page.triggerList()->viewport(), rowCentre(row));
    }
    void select(int row) {
        page.triggerList()->setCurrentItem(page.triggerList()->topLevelItem(row));
    }
    void click(const char* text) {
        QTest::mouseClick(page.button(QString::fromLatin1(text)), Qt::LeftButton);
    }
    bool editingEnabled() const {
        return page.triggerField()->isEnabled() && page.commandField()->isEnabled() &&
               page.button("Browse for .WAV")->isEnabled() &&
               page.button("Delete Selected Trigger")->isEnabled() &&
               page.button("Insert Copy")->isEnabled() && page.button("Copy")->isEnabled();
    }
    bool editingDisabled() const {
        return !page.triggerField()->isEnabled() && !page.commandField()->isEnabled() &&
               !page.button("Browse for .WAV")->isEnabled() &&
               !page.button("Delete Selected Trigger")->isEnabled() &&
               !page.button("Insert Copy")->isEnabled() && !page.button("Copy")->isEnabled();
    }

    Settings settings;
    Triggers triggers{{"You are hungry", "eat bread", 1}, {"You are thirsty", "drink water", 0}};
    TriggersPage page;
};

class TriggersPageTest : public QObject {
    Q_OBJECT
private slots:
    void selectionEnablesTheEditingControls() {
        PageRig rig;
        QCOMPARE(rig.page.triggerList()->topLevelItemCount(), 2);
        QCOMPARE(rig.page.triggerList()->topLevelItem(1)->text(0),
                 QStringLiteral("You are thirsty"));
        QVERIFY(rig.editingDisabled());
        QVERIFY(rig.page.triggerField()->text().isEmpty());
        QVERIFY(rig.page.button("Add a new trigger")->isEnabled());
        QVERIFY(!rig.page.button("Paste")->isEnabled());
        rig.select(1);
        QVERIFY(rig.editingEnabled());
        QCOMPARE(rig.page.triggerField()->text(), QStringLiteral("You are thirsty"));
        QCOMPARE(rig.page.commandField()->text(), QStringLiteral("drink water"));
    }

    void doubleClickTogglesAndRepaintsTheCheckMark() {
        PageRig rig;
        rig.triggers = TriggerList{rig.triggers[0]};
        rig.page.LoadTriggerList(&rig.triggers);
        QWidget* viewport = rig.page.triggerList()->viewport();
        QVERIFY(pixelsNear(*viewport, TriggerPictures::checkColour()) > 6);
        rig.doubleClickRow(0);
        QCOMPARE(rig.triggers[0].enabled, 0);
        QCOMPARE(pixelsNear(*viewport, TriggerPictures::checkColour()), 0);
        rig.doubleClickRow(0);
        QCOMPARE(rig.triggers[0].enabled, 1);
        QVERIFY(pixelsNear(*viewport, TriggerPictures::checkColour()) > 6);
    }

    void doubleClickWithoutSelectionChangesNothing() {
        PageRig rig;
        const Triggers before = rig.triggers;
        doubleClick(rig.page.triggerList()->viewport(),
                    QPoint(20, rig.page.triggerList()->viewport()->height() - 5));
        QCOMPARE(rig.triggers, before);
        QVERIFY(rig.editingDisabled());
    }

    void fieldsStoreAtEveryKeystroke() {
        PageRig rig;
        rig.select(0);
        rig.page.triggerField()->selectAll();
        QTest::keyClicks(rig.page.triggerField(), "Y");
        QCOMPARE(rig.triggers[0].pattern, std::string("Y"));
        QCOMPARE(rig.page.triggerList()->topLevelItem(0)->text(0), QStringLiteral("Y"));
        QTest::keyClicks(rig.page.triggerField(), "ou bleed");
        QCOMPARE(rig.triggers[0].pattern, std::string("You bleed"));
        rig.page.commandField()->end(false);
        QTest::keyClicks(rig.page.commandField(), "&bandage");
        QCOMPARE(rig.triggers[0].command, std::string("eat bread&bandage"));
        // The field separator of the profiles file cannot be part of a field.
        QTest::keyClicks(rig.page.commandField(), "@#$#@");
        QCOMPARE(rig.triggers[0].command, std::string("eat bread&bandage"));
        QCOMPARE(rig.page.commandField()->text(), QStringLiteral("eat bread&bandage"));
        rig.page.commandField()->selectAll();
        QTest::keyClicks(rig.page.commandField(), QString(1100, QLatin1Char('x')));
        QCOMPARE(rig.triggers[0].command.size(), std::size_t{1023});
    }

    void addInsertCopyAndDelete() {
        PageRig rig;
        rig.click("Add a new trigger");
        QCOMPARE(rig.triggers.back(), (TriggerRecord{"New Trigger", "", 1}));
        QCOMPARE(rig.page.triggerField()->text(), QStringLiteral("New Trigger"));
        rig.select(1);
        rig.click("Insert Copy");
        QCOMPARE(rig.triggers.size(), std::size_t{4});
        QCOMPARE(rig.triggers[3], rig.triggers[1]);
        QCOMPARE(rig.page.triggerList()->currentItem(), rig.page.triggerList()->topLevelItem(3));

        rig.select(1);
        rig.click("Delete Selected Trigger");
        QCOMPARE(rig.triggers.size(), std::size_t{3});
        QCOMPARE(rig.page.triggerField()->text(), QStringLiteral("New Trigger"));
        rig.select(2);
        rig.click("Delete Selected Trigger");
        // Deleting the last trigger chooses the one now last.
        QCOMPARE(rig.page.triggerField()->text(), QStringLiteral("New Trigger"));
        rig.click("Delete Selected Trigger");
        rig.click("Delete Selected Trigger");
        QVERIFY(rig.triggers.empty());
        QVERIFY(rig.editingDisabled());
        QVERIFY(rig.page.triggerField()->text().isEmpty());
    }

    void enableTriggersActsAtOnce() {
        PageRig rig;
        rig.select(0);
        QVERIFY(rig.page.enableTriggersBox()->isChecked());
        QTest::mouseClick(rig.page.enableTriggersBox(), Qt::LeftButton);
        QCOMPARE(rig.settings.number(setting::triggersEnabled), 0);
        QVERIFY(!rig.page.triggerList()->isEnabled());
        QVERIFY(rig.editingDisabled());
        QVERIFY(!rig.page.button("Add a new trigger")->isEnabled());
        QTest::mouseClick(rig.page.enableTriggersBox(), Qt::LeftButton);
        QCOMPARE(rig.settings.number(setting::triggersEnabled), 1);
        QVERIFY(rig.page.triggerList()->isEnabled());
        QVERIFY(rig.editingEnabled());
    }

    void browseForWavAddsThenReplaces() {
        PageRig rig;
        QStringList asked;
        std::optional<QString> answer = QStringLiteral("/sounds/bell.wav");
        rig.page.setWavChooser([&](const QString& folder, const QString& initialName) {
            asked << folder + QLatin1Char('|') + initialName;
            return answer;
        });
        rig.select(0);
        rig.click("Browse for .WAV");
        QCOMPARE(rig.triggers[0].command, std::string("eat bread&/sounds/bell.wav"));
        QCOMPARE(rig.page.commandField()->text(), QStringLiteral("eat bread&/sounds/bell.wav"));

        rig.settings.setNumber(setting::useCommandStacking, 1);
        answer = QStringLiteral("/sounds/horn.WAV");
        rig.click("Browse for .WAV");
        QCOMPARE(rig.triggers[0].command, std::string("eat bread&/sounds/horn.WAV"));

        answer = std::nullopt;
        rig.click("Browse for .WAV");
        QCOMPARE(rig.triggers[0].command, std::string("eat bread&/sounds/horn.WAV"));
        QCOMPARE(asked, (QStringList{QStringLiteral("/games/vesk|"),
                                     QStringLiteral("/games/vesk|/sounds/bell.wav"),
                                     QStringLiteral("/games/vesk|/sounds/horn.WAV")}));
    }

    // A stored 2 switches stacking on for the send path, so the browse replaces only the
    // sound after the separator, as the send path will cut the command.
    void browseReadsStackingAsTheSendPathDoes() {
        PageRig rig;
        rig.page.setWavChooser([](const QString&, const QString&) {
            return std::optional<QString>(QStringLiteral("/sounds/horn.WAV"));
        });
        rig.triggers[0].command = "eat bread&/sounds/bell.wav";
        rig.select(0);
        rig.settings.setNumber(setting::useCommandStacking, 2);
        rig.click("Browse for .WAV");
        QCOMPARE(rig.triggers[0].command, std::string("eat bread&/sounds/horn.WAV"));
        rig.settings.setNumber(setting::useCommandStacking, 0);
        rig.click("Browse for .WAV");
        QCOMPARE(rig.triggers[0].command, std::string("/sounds/horn.WAV"));
    }
};

} // namespace vesk::uitest

std::unique_ptr<QObject> makeTriggersPageTest() {
    return std::make_unique<vesk::uitest::TriggersPageTest>();
}

#include "TriggersPageTest.moc"
