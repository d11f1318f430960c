#include "profiles/SelectActiveProfileDialog.h"
#include "ProfilesTestRig.h"
#include "RenderShot.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace vesk::uitest {

class SelectActiveProfileDialogTest : public QObject {
    Q_OBJECT
private slots:
    void selectsTheActiveProfileClamped() {
        ProfilesTestRig rig;
        Preferences& preferences = rig.client.preferences();
        const std::pair<int, int> cases[] = {{2, 2}, {9, 3}, {-1, 0}};
        for (const auto& [active, row] : cases) {
            preferences.activeProfile = active;
            SelectActiveProfileDialog dialog(preferences);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Active Profile"));
            QCOMPARE(dialog.profileList()->count(), 4);
            QCOMPARE(dialog.profileList()->currentRow(), row);
        }
    }

    void okSetsTheActiveProfileAndAsksForASave() {
        ProfilesTestRig rig;
        SelectActiveProfileDialog dialog(rig.client.preferences());
        QSignalSpy saves(&dialog, &SelectActiveProfileDialog::saveRequested);
        dialog.profileList()->setCurrentRow(3);
        dialog.reject();
        QCOMPARE(rig.client.preferences().activeProfile, 0);
        QCOMPARE(saves.count(), 0);
        dialog.profileList()->setCurrentRow(3);
        dialog.accept();
        QCOMPARE(rig.client.preferences().activeProfile, 3);
        QCOMPARE(saves.count(), 1);
    }

    void doubleClickIsOk() {
        ProfilesTestRig rig;
        SelectActiveProfileDialog dialog(rig.client.preferences());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy saves(&dialog, &SelectActiveProfileDialog::saveRequested);
        QListWidget* list = dialog.profileList();
        doubleClick(list->viewport(), list->visualItemRect(list->item(2)).center());
        QCOMPARE(rig.client.preferences().activeProfile, 2);
        QCOMPARE(saves.count(), 1);
        QVERIFY(!dialog.isVisible());
    }

    void hooksOpenTheOtherDialogsThenTheListIsRefilled() {
        ProfilesTestRig rig;
        Preferences& preferences = rig.client.preferences();
        SelectActiveProfileDialog dialog(preferences);
        int editedIndex = -2;
        dialog.setEditProfilesHook([&](int index) {
            editedIndex = index;
            preferences.profiles.appendNew("Ranger");
        });
        dialog.profileList()->setCurrentRow(2);
        QTest::mouseClick(dialog.editProfilesButton(), Qt::LeftButton);
        QCOMPARE(editedIndex, 2);
        QCOMPARE(dialog.profileList()->count(), 5);
        QCOMPARE(dialog.profileList()->item(4)->text(), QStringLiteral("Ranger"));
        QCOMPARE(dialog.profileList()->currentRow(), 0);

        int autoLogins = 0;
        dialog.setAutoLoginHook([&] {
            ++autoLogins;
            preferences.activeProfile = 4;
        });
        QCOMPARE(dialog.autoLoginButton()->text(), QStringLiteral("File -> &Autologin."));
        QTest::mouseClick(dialog.autoLoginButton(), Qt::LeftButton);
        QCOMPARE(autoLogins, 1);
        QCOMPARE(dialog.profileList()->currentRow(), 4);
    }

    void showsTheExplanation() {
        ProfilesTestRig rig;
        SelectActiveProfileDialog dialog(rig.client.preferences());
        QString shown;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            shown += label->text() + QLatin1Char('\n');
        }
        for (const char* line :
             {"This lets you override which Profile to use",
              "for this Login session. This setting is not", "saved between Login sessions.",
              "To permanently change which Profile is",
              "used by default for each character, use"}) {
            QVERIFY2(shown.contains(QLatin1String(line)), line);
        }
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        saveShot(dialog, QStringLiteral("select-active-profile"));
    }
};

} // namespace vesk::uitest

std::unique_ptr<QObject> makeSelectActiveProfileDialogTest() {
    return std::make_unique<vesk::uitest::SelectActiveProfileDialogTest>();
}

#include "SelectActiveProfileDialogTest.moc"
