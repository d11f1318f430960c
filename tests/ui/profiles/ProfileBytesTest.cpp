#include "ProfilesTestRig.h"
#include "TypeText.h"
#include "profiles/MacrosPage.h"
#include "profiles/ProfilesDialog.h"
#include "profiles/SelectActiveProfileDialog.h"
#include "profiles/TriggersPage.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace vesk::uitest {

// Profile texts written by an older client hold Latin-1 bytes. The dialogs show them as the
// characters they are and give back the same bytes until the player changes them; what the
// player types is stored as UTF-8.
class ProfileBytesTest : public QObject {
    Q_OBJECT
private:
    // A profile named "René" whose macro and trigger hold "café", all in Latin-1.
    static void addLatin1Profile(ProfilesTestRig& rig) {
        Preferences& preferences = rig.client.preferences();
        const int added = preferences.profiles.appendNew("Ren\xe9");
        CharacterProfile& profile = preferences.profiles[static_cast<std::size_t>(added)];
        profile.macros.set("F2", "say caf\xe9");
        profile.triggers = {{"caf\xe9 is served", "drink caf\xe9", 1}};
    }
    static QString utf8(const char* text) { return QString::fromUtf8(text); }

private slots:
    void latin1TextsShowTheirCharactersAndKeepTheirBytes() {
        ProfilesTestRig rig;
        addLatin1Profile(rig);
        const Preferences before = rig.client.preferences();
        const int index = static_cast<int>(before.profiles.size()) - 1;
        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(), index, nullptr);
        QCOMPARE(dialog.profileList()->item(index)->text(), utf8("Ren\xc3\xa9"));
        QCOMPARE(dialog.nameField()->text(), utf8("Ren\xc3\xa9"));

        MacrosPage& macros = *dialog.macrosPage();
        const auto keys = macros.keyList()->findItems("F2", Qt::MatchExactly);
        QCOMPARE(keys.size(), 1);
        macros.keyList()->setCurrentItem(keys.front());
        QCOMPARE(macros.macroField()->text(), utf8("say caf\xc3\xa9"));
        // An edit undone gives back the stored bytes.
        macros.macroField()->end(false);
        QTest::keyClicks(macros.macroField(), "!");
        QTest::keyClick(macros.macroField(), Qt::Key_Backspace);

        TriggersPage& triggers = *dialog.triggersPage();
        triggers.triggerList()->setCurrentItem(triggers.triggerList()->topLevelItem(0));
        QCOMPARE(triggers.triggerField()->text(), utf8("caf\xc3\xa9 is served"));
        QCOMPARE(triggers.commandField()->text(), utf8("drink caf\xc3\xa9"));
        // "Browse for .WAV" cancelled stores both fields as they stand.
        triggers.setWavChooser([](const QString&, const QString&) { return std::nullopt; });
        QTest::mouseClick(triggers.button("Browse for .WAV"), Qt::LeftButton);

        dialog.accept();
        QVERIFY(rig.client.preferences().profiles == before.profiles);
    }

    void typedTextsAreStoredAsUtf8() {
        ProfilesTestRig rig;
        addLatin1Profile(rig);
        const int index = static_cast<int>(rig.client.preferences().profiles.size()) - 1;
        ProfilesDialog dialog(rig.client.preferences(), rig.folder.path(), index, nullptr);
        dialog.nameField()->end(false);
        QTest::keyClicks(dialog.nameField(), "e");
        QCOMPARE(dialog.editing().profiles()[static_cast<std::size_t>(index)].name(),
                 std::string("Ren\xc3\xa9"
                             "e"));

        MacrosPage& macros = *dialog.macrosPage();
        macros.keyList()->setCurrentItem(macros.keyList()->findItems("F3", Qt::MatchExactly)[0]);
        vesk::uitest::typeText(macros.macroField(), utf8("say \xe2\x98\xba"));
        QCOMPARE(*dialog.editing().profiles()[static_cast<std::size_t>(index)].macros.find("F3"),
                 std::string("say \xe2\x98\xba"));
    }

    void theActiveProfileDialogListsTheNames() {
        ProfilesTestRig rig;
        addLatin1Profile(rig);
        SelectActiveProfileDialog dialog(rig.client.preferences(), nullptr);
        const auto found =
            dialog.findChild<QListWidget*>()->findItems(utf8("Ren\xc3\xa9"), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
    }
};

} // namespace vesk::uitest

std::unique_ptr<QObject> makeProfileBytesTest() {
    return std::make_unique<vesk::uitest::ProfileBytesTest>();
}

#include "ProfileBytesTest.moc"
