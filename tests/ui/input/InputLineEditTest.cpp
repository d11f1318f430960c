#include "input/InputLineEdit.h"
#include "FakeHost.h"
#include "TestApplication.h"
#include "TypeText.h"
#include "app/Client.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace vesk::uitest {
namespace {

// X11 key codes: what a key-down and its key-up both carry whatever the key means meanwhile.
constexpr quint32 leftShiftCode = 50;
constexpr quint32 insertCode = 118;
constexpr quint32 keypadEightCode = 80;
constexpr quint32 letterACode = 38;

// The input line of a connected client whose sends and clipboard the test holds.
struct Rig {
    QTemporaryDir folder;
    testing::FakeHost host;
    Client client{host, folder.path().toStdString()};
    std::unique_ptr<InputLineEdit> input;

    Rig() {
        client.startUp();
        client.ConnectToSite("localhost", "3000", "FenmarchMUD");
        client.onConnected();
        host.clearRecords();
        host.clipboard = "quit\ny";
        input = std::make_unique<InputLineEdit>(client.commandSender(), client.preferences(), host);
    }

    // A key event as the platform delivers it, with the key's scan code.
    void send(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, quint32 scanCode,
              const QString& text = {}) {
        QKeyEvent event(type, key, modifiers, scanCode, 0, 0, text);
        QApplication::sendEvent(input.get(), &event);
    }
    void press(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode,
               const QString& text = {}) {
        send(QEvent::KeyPress, key, modifiers, scanCode, text);
    }
    void release(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode) {
        send(QEvent::KeyRelease, key, modifiers, scanCode);
    }
};

} // namespace

class InputLineEditTest : public QObject {
    Q_OBJECT
private slots:
    // Shift went down in the input line and up in another window; then Insert alone sent the
    // clipboard's lines ("quit", "y") to the server as commands.
    void aStuckShiftNeverSendsTheClipboard_data() {
        QTest::addColumn<int>("lostBy");
        QTest::newRow("focus out") << int(QEvent::FocusOut);
        QTest::newRow("window deactivated") << int(QEvent::WindowDeactivate);
    }
    void aStuckShiftNeverSendsTheClipboard() {
        QFETCH(int, lostBy);
        Rig rig;
        rig.press(Qt::Key_Shift, Qt::ShiftModifier, leftShiftCode);
        if (lostBy == QEvent::FocusOut) {
            QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(rig.input.get(), &focusOut);
        } else {
            QEvent deactivate(QEvent::WindowDeactivate);
            QApplication::sendEvent(rig.input.get(), &deactivate);
        }
        rig.press(Qt::Key_Insert, Qt::NoModifier, insertCode);
        QVERIFY(rig.host.sent.empty());
        QVERIFY(!rig.input->rules().shiftHeld());
    }

    void shiftInsertStillPastes() {
        Rig rig;
        rig.press(Qt::Key_Shift, Qt::ShiftModifier, leftShiftCode);
        rig.press(Qt::Key_Insert, Qt::ShiftModifier, insertCode);
        QCOMPARE(rig.host.sent, (std::vector<std::string>{"quit\n", "y\n"}));
    }

    // Keypad 8 pressed with Num Lock on, Num Lock off before it is let go: the key-up says Up.
    // Matched on the key code, "Keypad Up + Num Lock" stayed down and the next key typed sent
    // its macro ("north").
    void aKeyWhoseMeaningChangedWhileHeldIsReleased() {
        Rig rig;
        rig.press(Qt::Key_8, Qt::KeypadModifier, keypadEightCode, QStringLiteral("8"));
        QCOMPARE(rig.host.sent, (std::vector<std::string>{"north\n"}));
        rig.release(Qt::Key_Up, Qt::KeypadModifier, keypadEightCode);
        rig.host.clearRecords();
        rig.press(Qt::Key_A, Qt::NoModifier, letterACode, QStringLiteral("a"));
        rig.release(Qt::Key_A, Qt::NoModifier, letterACode);
        QVERIFY(rig.host.sent.empty());
        QCOMPARE(rig.input->QLineEdit::text(), QStringLiteral("a"));
    }

    // The line hands the core UTF-8; the core sends it as the server reads it.
    void typedTextReachesTheCoreAsUtf8() {
        Rig rig;
        typeText(rig.input.get(), QString::fromUtf8("say caf\xc3\xa9 \xe2\x98\xba"));
        QCOMPARE(rig.input->text(), std::string("say caf\xc3\xa9 \xe2\x98\xba"));
        rig.input->setText(std::string("caf\xe9"));
        QCOMPARE(rig.input->QLineEdit::text(), QString::fromUtf8("caf\xc3\xa9"));
    }
};

} // namespace vesk::uitest

VESK_QTEST_MAIN(vesk::uitest::InputLineEditTest)

#include "InputLineEditTest.moc"
