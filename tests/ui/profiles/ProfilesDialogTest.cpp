#include "profiles/ProfilesDialog.h"
#include "ProfilesTestRig.h"
#include "RenderShot.h"
#include "input/InputLine.h"
#include "input/InputText.h"
#include "profiles/MacrosPage.h"
#include "profiles/TriggersPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace vesk::uitest {
namespace {

QStringList listed(const QListWidget& list) {
    QStringList names;
    for (int row = 0; row < list.count(); ++row) {
        names << list.item(row)->text();
    }
    return names;
}

void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class ProfilesDialogTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheGivenProfile() {
        ProfilesTestRig rig;
        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(), 2, nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Profiles"));
        QCOMPARE(listed(*dialog.profileList()),
                 (QStringList{"Default", "Warrior", "Mage", "Thief"}));
        QCOMPARE(dialog.selectedIndex(), 2);
        QCOMPARE(dialog.nameField()->text(), QStringLiteral("Mage"));
        QCOMPARE(dialog.tabs()->tabText(0), QStringLiteral("Macros"));
        QCOMPARE(dialog.tabs()->tabText(1), QStringLiteral("Triggers"));
        ProfilesDialog outOfRange(rig.client.preferences(), rig.folder.path(), 9, nullptr);
        QCOMPARE(outOfRange.selectedIndex(), 0);
    }

    void controlsFollowTheSelection() {
        ProfilesTestRig rig;
        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(), 0, nullptr);
        struct State {
            bool label, name, remove, copy;
        };
        const auto state = [&] {
            return State{dialog.nameLabel()->isEnabled(), dialog.nameField()->isEnabled(),
                         dialog.deleteButton()->isEnabled(),
                         dialog.insertCopyButton()->isEnabled()};
        };
        const auto check = [&](State expected) {
            const State actual = state();
            return actual.label == expected.label && actual.name == expected.name &&
                   actual.remove == expected.remove && actual.copy == expected.copy;
        };
        QVERIFY(check({false, false, false, true}));
        dialog.selectIndex(1);
        QVERIFY(check({true, true, true, true}));
        dialog.profileList()->clearSelection();
        QVERIFY(check({false, false, false, false}));
        QCOMPARE(dialog.macrosPage()->keyList()->count(), 0);
    }

    void nameFieldRenamesAtEveryKeystroke() {
        ProfilesTestRig rig;
        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(), 1, nullptr);
        dialog.nameField()->end(false);
        QTest::keyClicks(dialog.nameField(), " \"Bold\"");
        QCOMPARE(dialog.profileList()->item(1)->text(), QStringLiteral("Warrior Bold"));
        QCOMPARE(dialog.editing().profiles()[1].name(), std::string("Warrior Bold"));
        QCOMPARE(dialog.nameField()->text(), QStringLiteral("Warrior Bold"));
        QTest::keyClicks(dialog.nameField(), QString(40, QLatin1Char('x')));
        QCOMPARE(dialog.editing().profiles()[1].name().size(), std::size_t{31});
        QCOMPARE(rig.client.preferences().profiles[1].name(), std::string("Warrior"));
    }

    void insertCopyNamesTheCopy() {
        ProfilesTestRig rig;
        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(), 1, nullptr);
        click(dialog.insertCopyButton());
        QCOMPARE(dialog.selectedIndex(), 4);
        QCOMPARE(dialog.nameField()->text(), QStringLiteral("(Copy) Warrior"));
        click(dialog.insertCopyButton());
        QCOMPARE(listed(*dialog.profileList()).mid(4),
                 (QStringList{"(Copy) Warrior", "(Copy) Warrior"}));
        QCOMPARE(dialog.editing().profiles()[5].triggers,
                 rig.client.preferences().profiles[1].triggers);
        QCOMPARE(dialog.triggersPage()->triggerList()->topLevelItemCount(), 2);
        click(dialog.newProfileButton());
        QCOMPARE(dialog.nameField()->text(), QStringLiteral("New Profile"));
        QCOMPARE(dialog.editing().profiles()[6].macros, MacroTable::withStandardKeys());
    }

    void deleteRepointsAndOkCommits() {
        ProfilesTestRig rig;
        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(), 2, nullptr);
        QSignalSpy saves(&dialog, &ProfilesDialog::saveRequested);
        click(dialog.deleteButton());
        QCOMPARE(listed(*dialog.profileList()), (QStringList{"Default", "Warrior", "Thief"}));
        QCOMPARE(dialog.nameField()->text(), QStringLiteral("Thief"));
        click(dialog.deleteButton());
        QCOMPARE(dialog.nameField()->text(), QStringLiteral("Warrior"));
        QCOMPARE(rig.client.preferences().profiles.size(), std::size_t{4});
        dialog.autoCreateBox()->setChecked(false);
        QCOMPARE(rig.client.preferences().settings.number(setting::createNewProfiles), 1);

        dialog.accept();
        const Preferences& preferences = rig.client.preferences();
        QCOMPARE(preferences.profiles.size(), std::size_t{2});
        QCOMPARE(preferences.characters[0].profile, 1);
        QCOMPARE(preferences.characters[1].profile, 0);
        QCOMPARE(preferences.characters[2].profile, 0);
        QCOMPARE(preferences.settings.number(setting::createNewProfiles), 0);
        QCOMPARE(saves.count(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void cancelDiscardsEverything() {
        ProfilesTestRig rig;
        const Preferences before = rig.client.preferences();
        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(), 1, nullptr);
        QSignalSpy saves(&dialog, &ProfilesDialog::saveRequested);
        QTest::keyClicks(dialog.nameField(), "renamed");
        dialog.triggersPage()->triggerList()->setCurrentItem(
            dialog.triggersPage()->triggerList()->topLevelItem(0));
        QTest::keyClicks(dialog.triggersPage()->commandField(), "&more");
        click(dialog.triggersPage()->button("Add a new trigger"));
        click(dialog.newProfileButton());
        dialog.selectIndex(3);
        click(dialog.deleteButton());
        dialog.autoCreateBox()->setChecked(false);
        dialog.reject();
        QCOMPARE(saves.count(), 0);
        QVERIFY(rig.client.preferences().profiles == before.profiles);
        QVERIFY(rig.client.preferences().characters == before.characters);
        QVERIFY(rig.client.preferences().settings == before.settings);
    }

    void triggerCopiedToAnotherProfile() {
        ProfilesTestRig rig;
        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(), 1, nullptr);
        TriggersPage& page = *dialog.triggersPage();
        page.triggerList()->setCurrentItem(page.triggerList()->topLevelItem(1));
        click(page.button("Copy"));
        dialog.selectIndex(3);
        QVERIFY(page.button("Paste")->isEnabled());
        QCOMPARE(page.triggerList()->topLevelItemCount(), 0);
        click(page.button("Paste"));
        QCOMPARE(dialog.editing().profiles()[3].triggers,
                 (std::vector<TriggerRecord>{{"You are thirsty", "drink water", 0}}));
        QCOMPARE(page.triggerField()->text(), QStringLiteral("You are thirsty"));
    }

    void enableTriggersSurvivesCancel() {
        ProfilesTestRig rig;
        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(), 1, nullptr);
        click(dialog.triggersPage()->enableTriggersBox());
        QCOMPARE(rig.client.preferences().settings.number(setting::triggersEnabled), 0);
        dialog.reject();
        QCOMPARE(rig.client.preferences().settings.number(setting::triggersEnabled), 0);
    }

    // The trigger matcher has already looked at the live list when the dialog edits a pattern
    // in place; the very next line must still fire the edited trigger, and the next macro key
    // finds the edited macro.
    void editsTakeEffectAtOnce() {
        ProfilesTestRig rig;
        rig.connect();
        rig.client.preferences().setActiveProfile(1);
        rig.client.onReceived("You are hungry.\r\n");
        QCOMPARE(rig.sentLines(), (std::vector<std::string>{"eat bread\n"}));
        rig.host.clearRecords();

        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(), 1, nullptr);
        TriggersPage& page = *dialog.triggersPage();
        page.triggerList()->setCurrentItem(page.triggerList()->topLevelItem(0));
        page.triggerField()->selectAll();
        QTest::keyClicks(page.triggerField(), "You feel faint");
        MacrosPage& macros = *dialog.macrosPage();
        macros.keyList()->setCurrentRow(14);
        macros.macroField()->selectAll();
        QTest::keyClicks(macros.macroField(), "flee");
        dialog.accept();

        QCOMPARE(rig.client.preferences().currentTriggers().size(), std::size_t{2});
        rig.client.onReceived("You feel faint.\r\n");
        QCOMPARE(rig.sentLines(), (std::vector<std::string>{"eat bread\n"}));
        rig.client.onReceived("You are hungry.\r\n");
        QCOMPARE(rig.host.sent.size(), std::size_t{1});
        rig.host.clearRecords();
        InputText editor;
        InputLine input(rig.client.commandSender(), rig.client.preferences(), editor, rig.host);
        QVERIFY(input.pressKey("F1").has_value());
        QCOMPARE(rig.sentLines(), (std::vector<std::string>{"flee\n"}));
    }

    // Opened on a profile, each tab shows that profile's entries and the one chosen in its
    // list fills the fields (the pictures of the two tabs are saved for the docs on the way).
    void eachTabShowsTheChosenProfilesEntry() {
        ProfilesTestRig rig;
        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(), 1, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.nameField()->text(), QStringLiteral("Warrior"));
        MacrosPage& macros = *dialog.macrosPage();
        QVERIFY(macros.isVisible());
        macros.keyList()->setCurrentRow(14);
        QCOMPARE(macros.keyList()->currentItem()->text(), QStringLiteral("F1"));
        QCOMPARE(macros.macroField()->text(), QStringLiteral("kill rat"));
        saveShot(dialog, QStringLiteral("profiles-macros"));

        dialog.tabs()->setCurrentIndex(1);
        TriggersPage& page = *dialog.triggersPage();
        QVERIFY(page.isVisible());
        QVERIFY(!macros.isVisible());
        QCOMPARE(page.triggerList()->topLevelItemCount(), 2);
        page.triggerList()->setCurrentItem(page.triggerList()->topLevelItem(1));
        QCOMPARE(page.triggerField()->text(), QStringLiteral("You are thirsty"));
        QCOMPARE(page.commandField()->text(), QStringLiteral("drink water"));
        page.triggerList()->setCurrentItem(page.triggerList()->topLevelItem(0));
        QCOMPARE(page.triggerField()->text(), QStringLiteral("You are hungry"));
        QCOMPARE(page.commandField()->text(), QStringLiteral("eat bread"));
        saveShot(dialog, QStringLiteral("profiles-triggers"));
    }
};

} // namespace vesk::uitest

std::unique_ptr<QObject> makeProfilesDialogTest() {
    return std::make_unique<vesk::uitest::ProfilesDialogTest>();
}

#include "ProfilesDialogTest.moc"
