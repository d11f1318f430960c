#include "LoginTests.h"
#include "RenderShot.h"
#include "TitledFakeHost.h"
#include "TypeText.h"

#include "app/Client.h"
#include "login/AutoLoginDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using vesk::AutoLoginDialog;

namespace {

const std::string alreadyConnected = "AutoLogin Whatsit|You're already connected to FenmarchMUD";

// A client with stored characters, a host that records, and the hooks' calls.
struct Fixture {
    QTemporaryDir folder;
    vesk::uitest::TitledFakeHost host;
    vesk::Client client{host, folder.path().toStdString()};
    std::vector<std::string> calls;

    explicit Fixture(std::vector<std::string> names = {"Ann", "Bob", "Cid"}) {
        auto& characters = client.preferences().characters;
        for (std::size_t slot = 0; slot < names.size(); ++slot) {
            characters[static_cast<int>(slot)] = {names[slot], "pw" + names[slot], 0, 0};
        }
        client.preferences().profiles.appendNew("Warrior");
    }

    std::unique_ptr<AutoLoginDialog> dialog() {
        AutoLoginDialog::Hooks hooks;
        hooks.connectToGame = [this](int slot) { calls.push_back("game " + std::to_string(slot)); };
        hooks.connectToWhoService = [this] { calls.push_back("who"); };
        hooks.quit = [this] { calls.push_back("quit"); };
        hooks.editProfiles = [this](int index) {
            calls.push_back("profiles " + std::to_string(index));
            client.preferences().profiles.appendNew("Mage");
        };
        return std::make_unique<AutoLoginDialog>(
            AutoLoginDialog::Parts{client.preferences(), client.autoLogin(), client.connection(),
                                   client.typedText(), host},
            hooks);
    }

    void connect() {
        client.ConnectToSite("localhost", "3000", "FenmarchMUD");
        client.onConnected();
    }
};

template <typename Widget> Widget* child(QWidget& parent, const QString& name) {
    auto* widget = parent.findChild<Widget*>(name);
    if (widget == nullptr) {
        qFatal("no child %s", qPrintable(name));
    }
    return widget;
}

QPushButton* button(QWidget& parent, const QString& text) {
    for (auto* candidate : parent.findChildren<QPushButton*>()) {
        if (candidate->text() == text) {
            return candidate;
        }
    }
    qFatal("no button %s", qPrintable(text));
}

QCheckBox* checkBox(QWidget& parent, const QString& text) {
    for (auto* candidate : parent.findChildren<QCheckBox*>()) {
        if (candidate->text() == text) {
            return candidate;
        }
    }
    qFatal("no check box %s", qPrintable(text));
}

} // namespace

void AutoLoginDialogTest::opensWithTheDefaultOrLastCharacterSelected() {
    Fixture fixture;
    fixture.client.preferences().settings.setNumber(vesk::setting::lastCharLoggedIn, 1);
    auto dialog = fixture.dialog();
    QCOMPARE(dialog->windowTitle(), QString("Auto Login Thingamijig"));
    QCOMPARE(dialog->selectedSlot(), 1);
    QCOMPARE(child<QLineEdit>(*dialog, "name")->text(), QString("Bob"));
    QCOMPARE(child<QLineEdit>(*dialog, "password")->echoMode(), QLineEdit::Password);
    QCOMPARE(child<QComboBox>(*dialog, "profile")->currentText(), QString("Default"));

    fixture.client.preferences().characters[2].isDefault = 1;
    QCOMPARE(fixture.dialog()->selectedSlot(), 2);
    dialog->resize(dialog->sizeHint());
    vesk::uitest::saveShot(*dialog, "auto-login-dialog");
}

void AutoLoginDialogTest::withoutSelectionTheSettingsAndConnectAreDisabled() {
    Fixture fixture(std::vector<std::string>{});
    auto dialog = fixture.dialog();
    QCOMPARE(dialog->selectedSlot(), -1);
    QVERIFY(!child<QListWidget>(*dialog, "characters")->isEnabled());
    QVERIFY(!child<QLineEdit>(*dialog, "name")->isEnabled());
    QVERIFY(!child<QLineEdit>(*dialog, "password")->isEnabled());
    QVERIFY(!child<QComboBox>(*dialog, "profile")->isEnabled());
    QVERIFY(!checkBox(*dialog, "Default Selected Character")->isEnabled());
    for (const char* text : {"Copy Character", "Delete Character", "Connect to FenmarchMUD!"}) {
        QVERIFY2(!button(*dialog, text)->isEnabled(), text);
    }
    for (const char* text :
         {"New Character", "Edit Profiles", "See who's on FenmarchMUD", "Quit Vesk", "Close"}) {
        QVERIFY2(button(*dialog, text)->isEnabled(), text);
    }
    dialog->newCharacter();
    QVERIFY(button(*dialog, "Connect to FenmarchMUD!")->isEnabled());
    QVERIFY(child<QLineEdit>(*dialog, "name")->isEnabled());
    QVERIFY(child<QListWidget>(*dialog, "characters")->isEnabled());
}

void AutoLoginDialogTest::loggedInDisablesConnectAndQuit() {
    Fixture fixture;
    fixture.client.autoLogin().setLoggedIn(true);
    auto dialog = fixture.dialog();
    dialog->selectSlot(0);
    QVERIFY(!button(*dialog, "Connect to FenmarchMUD!")->isEnabled());
    QVERIFY(!button(*dialog, "Quit Vesk")->isEnabled());
    QVERIFY(button(*dialog, "Copy Character")->isEnabled());
}

void AutoLoginDialogTest::typingStoresTheRecordAndRefreshesItsLine() {
    Fixture fixture;
    auto dialog = fixture.dialog();
    dialog->selectSlot(1);
    auto* name = child<QLineEdit>(*dialog, "name");
    auto* list = child<QListWidget>(*dialog, "characters");
    auto& record = fixture.client.preferences().characters[1];
    name->selectAll();
    QTest::keyClicks(name, "Bobby");
    QCOMPARE(record.name, std::string("Bobby"));
    QCOMPARE(list->item(1)->text(), QString("Bobby"));
    QTest::keyClicks(name, QString(40, 'x'));
    QCOMPARE(record.name.size(), std::size_t{30});

    // An emptied field never frees the slot; leaving it shows the kept name again.
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    QCOMPARE(record.name.size(), std::size_t{30});
    QCOMPARE(fixture.client.preferences().characters.usedCount(), 3);
    emit name->editingFinished();
    QCOMPARE(name->text().size(), 30);

    auto* password = child<QLineEdit>(*dialog, "password");
    password->selectAll();
    QTest::keyClicks(password, "hunter2");
    QCOMPARE(record.password, std::string("hunter2"));

    auto* profile = child<QComboBox>(*dialog, "profile");
    profile->setCurrentIndex(1);
    emit profile->activated(1);
    QCOMPARE(record.profile, 1);
    checkBox(*dialog, "Default Selected Character")->click();
    QCOMPARE(record.isDefault, 1);
}

void AutoLoginDialogTest::newCopyAndDeleteEditTheSlots() {
    Fixture fixture;
    auto& characters = fixture.client.preferences().characters;
    characters[1].profile = 1;
    auto dialog = fixture.dialog();
    auto* list = child<QListWidget>(*dialog, "characters");

    dialog->newCharacter();
    QCOMPARE(dialog->selectedSlot(), 3);
    QCOMPARE(characters[3], (vesk::CharacterRecord{"New", "", -1, 0}));
    QCOMPARE(list->item(3)->text(), QString("New"));
    QCOMPARE(child<QComboBox>(*dialog, "profile")->currentIndex(), -1);

    dialog->selectSlot(1);
    dialog->copyCharacter();
    QCOMPARE(dialog->selectedSlot(), 4);
    QCOMPARE(characters[4], characters[1]);

    // Deleting the second of the records moves the third into slot 1 and selects the first.
    dialog->selectSlot(1);
    dialog->deleteCharacter();
    QCOMPARE(characters[1].name, std::string("Cid"));
    QCOMPARE(characters.usedCount(), 4);
    QCOMPARE(list->count(), 4);
    QCOMPARE(dialog->selectedSlot(), 0);
    QVERIFY(fixture.host.messages.empty());
}

void AutoLoginDialogTest::missingSelectionAndFullSlotsAreReported() {
    Fixture fixture;
    auto dialog = fixture.dialog();
    dialog->selectSlot(-1);
    dialog->copyCharacter();
    dialog->deleteCharacter();
    const std::string noSelection = "AutoLogin Gizmo|No character has been selected";
    QCOMPARE(fixture.host.messages, (std::vector<std::string>{noSelection, noSelection}));

    fixture.host.messages.clear();
    for (int added = 3; added < vesk::StoredCharacters::slotCount; ++added) {
        dialog->newCharacter();
    }
    QVERIFY(fixture.host.messages.empty());
    dialog->newCharacter();
    dialog->copyCharacter();
    const std::string noSpace =
        "AutoLogin Doohickey|Sorry, there's no space for more character records. Blimey, just "
        "how many characters do you have?!";
    QCOMPARE(fixture.host.messages, (std::vector<std::string>{noSpace, noSpace}));
    QCOMPARE(child<QListWidget>(*dialog, "characters")->count(), 64);
}

void AutoLoginDialogTest::connectChoosesTheCharacterAndClosesTheDialog() {
    Fixture fixture;
    auto dialog = fixture.dialog();
    dialog->show();
    dialog->selectSlot(2);
    button(*dialog, "Connect to FenmarchMUD!")->click();
    QCOMPARE(fixture.calls, (std::vector<std::string>{"game 2"}));
    QCOMPARE(fixture.client.preferences().characters.current(), 2);
    QCOMPARE(fixture.client.preferences().settings.number(vesk::setting::lastCharLoggedIn), 2);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(!dialog->isVisible());
}

void AutoLoginDialogTest::doubleClickConnects() {
    Fixture fixture;
    auto dialog = fixture.dialog();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto* list = child<QListWidget>(*dialog, "characters");
    const QPoint point = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
    QCOMPARE(fixture.calls, (std::vector<std::string>{"game 1"}));
    QCOMPARE(fixture.client.preferences().characters.current(), 1);
}

// The main window's part is played by the hook: it opens the connection the dialog asked for.
void AutoLoginDialogTest::theChosenCharacterAnswersThePrompts() {
    Fixture fixture;
    auto dialog = fixture.dialog();
    dialog->selectSlot(1);
    dialog->connectToGame();
    fixture.connect();
    fixture.host.sent.clear();
    fixture.client.onReceived("What name would you like to use?\nPassword:\nPassword:\n");
    QCOMPARE(fixture.host.sent, (std::vector<std::string>{"Bob\n", "pwBob\n"}));
    bool censored = false;
    const vesk::TextBuffer& buffer = fixture.client.mainBuffer();
    for (int line = 0; line < buffer.LineCount(); ++line) {
        censored = censored || buffer.GetPlainLine(line) == "Password:[Censored]";
    }
    QVERIFY(censored);
}

void AutoLoginDialogTest::alreadyConnectedKeepsTheDialogOpen() {
    Fixture fixture;
    fixture.connect();
    auto dialog = fixture.dialog();
    dialog->show();
    dialog->selectSlot(0);
    dialog->connectToGame();
    dialog->seeWhoIsOn();
    QCOMPARE(fixture.host.warnings, (std::vector<std::string>{alreadyConnected, alreadyConnected}));
    QVERIFY(fixture.calls.empty());
    QVERIFY(dialog->isVisible());
    QCOMPARE(fixture.client.preferences().characters.current(), -1);
}

void AutoLoginDialogTest::whoIsOnAndQuitUseTheirHooks() {
    Fixture fixture;
    auto dialog = fixture.dialog();
    dialog->show();
    button(*dialog, "See who's on FenmarchMUD")->click();
    QVERIFY(!dialog->isVisible());
    dialog->show();
    button(*dialog, "Quit Vesk")->click();
    QVERIFY(!dialog->isVisible());
    dialog->show();
    button(*dialog, "Close")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(fixture.calls, (std::vector<std::string>{"who", "quit"}));
    QVERIFY(fixture.host.warnings.empty());
}

void AutoLoginDialogTest::editProfilesRefillsTheDropDown() {
    Fixture fixture;
    fixture.client.preferences().characters[0].profile = 1;
    auto dialog = fixture.dialog();
    dialog->selectSlot(0);
    auto* profile = child<QComboBox>(*dialog, "profile");
    QCOMPARE(profile->count(), 2);
    button(*dialog, "Edit Profiles")->click();
    QCOMPARE(fixture.calls, (std::vector<std::string>{"profiles 1"}));
    QCOMPARE(profile->count(), 3);
    QCOMPARE(profile->itemText(2), QString("Mage"));
    QCOMPARE(profile->currentText(), QString("Warrior"));
}

void AutoLoginDialogTest::displayCheckBoxesStoreAtEveryClick() {
    Fixture fixture;
    auto& settings = fixture.client.preferences().settings;
    auto dialog = fixture.dialog();
    auto* startup = checkBox(*dialog, "Display this when Vesk starts up");
    auto* disconnect = checkBox(*dialog, "Display this when you get disconnected");
    QVERIFY(startup->isChecked());
    QVERIFY(!disconnect->isChecked());
    startup->click();
    disconnect->click();
    QCOMPARE(settings.number(vesk::setting::displayLoginAtStartup), 0);
    QCOMPARE(settings.number(vesk::setting::displayLoginAtDisconnect), 1);
}

// A password written by an older client in Latin-1 ("caf" e9) was shown as "caf\uFFFD" and
// written back as UTF-8 of that replacement character at the next keystroke: the secret was
// lost. Now the fields show the characters and give back the stored bytes while unchanged.
void AutoLoginDialogTest::eightBitNamesAndPasswordsKeepTheirBytes() {
    Fixture fixture;
    auto& record = fixture.client.preferences().characters[1];
    record = {"Ren\xe9", "caf\xe9", 0, 0};
    auto dialog = fixture.dialog();
    dialog->selectSlot(1);
    auto* name = child<QLineEdit>(*dialog, "name");
    auto* password = child<QLineEdit>(*dialog, "password");
    QCOMPARE(name->text(), QString::fromUtf8("Ren\xc3\xa9"));
    QCOMPARE(password->text(), QString::fromUtf8("caf\xc3\xa9"));
    QCOMPARE(child<QListWidget>(*dialog, "characters")->item(1)->text(),
             QString::fromUtf8("Ren\xc3\xa9"));

    // Another field edited, an edit of the password undone, other slots visited.
    name->end(false);
    QTest::keyClicks(name, "e");
    QCOMPARE(record.name, std::string("Ren\xc3\xa9"
                                      "e"));
    password->end(false);
    QTest::keyClicks(password, "!");
    QCOMPARE(record.password, std::string("caf\xc3\xa9!"));
    QTest::keyClick(password, Qt::Key_Backspace);
    QCOMPARE(record.password, std::string("caf\xe9"));
    dialog->selectSlot(0);
    dialog->selectSlot(1);
    dialog->close();
    QCOMPARE(record.password, std::string("caf\xe9"));

    // Saved and read back: the same bytes.
    QVERIFY(fixture.client.saveSettings());
    vesk::Client reloaded(fixture.host, fixture.folder.path().toStdString());
    reloaded.startUp();
    QCOMPARE(reloaded.preferences().characters[1].password, std::string("caf\xe9"));
    QCOMPARE(reloaded.preferences().characters[1].name, std::string("Ren\xc3\xa9"
                                                                    "e"));
}

// What the player types is stored as the server will be sent it: UTF-8, or Latin-1 when that
// is the setting.
void AutoLoginDialogTest::typedPasswordsFollowTheTypedTextEncoding() {
    Fixture fixture;
    auto dialog = fixture.dialog();
    dialog->selectSlot(0);
    auto* password = child<QLineEdit>(*dialog, "password");
    auto& record = fixture.client.preferences().characters[0];
    password->selectAll();
    vesk::uitest::typeText(password, QString::fromUtf8("\xc3\xa9t\xc3\xa9"));
    QCOMPARE(record.password, std::string("\xc3\xa9t\xc3\xa9"));
    fixture.client.preferences().settings.setNumber(
        vesk::setting::typedTextEncoding,
        static_cast<int>(vesk::TypedTextEncoding::Choice::Latin1));
    password->selectAll();
    vesk::uitest::typeText(password, QString::fromUtf8("\xc3\xa9t\xc3\xa9"));
    QCOMPARE(record.password, std::string("\xe9t\xe9"));
}
