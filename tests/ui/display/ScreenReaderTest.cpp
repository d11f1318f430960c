// What a screen reader gets from the text panes: their text by line and range, the selection,
// new text as it arrives (never a control line), and the status pane in words on request.
#include "MainWindowRig.h"
#include "app/MainMenu.h"
#include "display/OutputPane.h"
#include "display/OutputView.h"
#include "display/TextSelection.h"
#include "input/InputLineEdit.h"
#include "status/StatusView.h"
#include "status/StatusWords.h"

#include <QAccessible>
#include <QAction>
#include <QTest>

#include <memory>
#include <vector>

namespace vesk {

namespace {

// Every text insertion announced, with the interface that announced it.
struct Heard {
    QObject* object = nullptr;
    int position = 0;
    QString text;

    static std::vector<Heard>& all();
    static void record(QAccessibleEvent* event) {
        if (event->type() == QAccessible::TextInserted) {
            auto* insert = static_cast<QAccessibleTextInsertEvent*>(event);
            all().push_back({event->object(), insert->changePosition(), insert->textInserted()});
        }
    }
    static std::vector<QString> texts() {
        std::vector<QString> result;
        for (const Heard& each : all()) {
            result.push_back(each.text);
        }
        return result;
    }
};

std::vector<Heard>& Heard::all() {
    static std::vector<Heard> heard;
    return heard;
}

// The main window with a listener for accessibility events installed.
struct ListeningRig : uitest::MainWindowRig {
    ListeningRig() {
        Heard::all().clear();
        QAccessible::installUpdateHandler(&Heard::record);
        connect();
        QCoreApplication::processEvents();
        Heard::all().clear();
    }
    ~ListeningRig() { QAccessible::installUpdateHandler(nullptr); }
    void type(const char* text) {
        QTest::keyClicks(&window->inputLine(), text);
        QTest::keyClick(&window->inputLine(), Qt::Key_Return);
    }
    QAccessibleTextInterface* text(QWidget& widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
        return accessible ? accessible->textInterface() : nullptr;
    }
};

} // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT

private slots:
    void textPanesReadTheirTextByLineAndTheirSelection() {
        ListeningRig rig;
        rig.client.onReceived("first\r\n\x1b[31msecond row\x1b[0m\r\n");
        OutputView& output = rig.window->outputView();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&output);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Terminal);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Output"));
        QAccessibleTextInterface* text = accessible->textInterface();
        QVERIFY(text);
        const QString whole = QString::fromStdString(QueryText(rig.client.mainBuffer(), "\n"));
        QCOMPARE(text->characterCount(), whole.size());
        QCOMPARE(text->text(0, text->characterCount()), whole);
        const int second = static_cast<int>(whole.indexOf("second"));
        int start = 0;
        int end = 0;
        QCOMPARE(text->textAtOffset(second + 3, QAccessible::LineBoundary, &start, &end),
                 QStringLiteral("second row"));
        QCOMPARE(start, second);
        QCOMPARE(text->textAtOffset(second + 8, QAccessible::WordBoundary, &start, &end),
                 QStringLiteral("row"));
        QCOMPARE(text->textBeforeOffset(second, QAccessible::LineBoundary, &start, &end),
                 QStringLiteral("first\n"));
        QCOMPARE(text->selectionCount(), 0);
        output.selectAll();
        QCOMPARE(text->selectionCount(), 1);
        text->selection(0, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, whole.size());
        text->setSelection(0, second, second + 6);
        QCOMPARE(QString::fromStdString(*output.selection().selectedText()),
                 QStringLiteral("second"));
        for (QWidget* pane : {static_cast<QWidget*>(&rig.window->chatView()),
                              static_cast<QWidget*>(&rig.window->outputPane().tail())}) {
            QVERIFY(rig.text(*pane));
            QVERIFY(
                !QAccessible::queryAccessibleInterface(pane)->text(QAccessible::Name).isEmpty());
        }
    }

    // Each new row is told once, at its place in the text; a control line never is, even when a
    // trigger echoes its command while the read that holds it is still being handled.
    void newTextIsAnnouncedAndControlLinesNever() {
        ListeningRig rig;
        rig.client.preferences().currentProfile().triggers.push_back({"hello", "wave", 1});
        rig.client.onReceived("hello\r\n##VESK STATUS 1 2 3 4 5 6\r\nworld\r\n");
        rig.client.onReceived("HP: 10 > ");
        QTRY_COMPARE(Heard::texts(), (std::vector<QString>{"hello", "world", "wave", "HP: 10 > "}));
        QAccessibleTextInterface* text = rig.text(rig.window->outputView());
        for (const Heard& heard : Heard::all()) {
            QCOMPARE(heard.object, static_cast<QObject*>(&rig.window->outputView()));
            QCOMPARE(text->text(heard.position, heard.position + heard.text.size()), heard.text);
        }
        Heard::all().clear();
        rig.type("north");
        QTRY_COMPARE(Heard::texts(), (std::vector<QString>{"north"}));
        // The prompt was told already: only the echo after it is new.
        QCOMPARE(Heard::all()[0].position, text->characterCount() - 5);
    }

    void theSettingSparesThePlayersOwnCommands() {
        ListeningRig rig;
        rig.client.preferences().settings.setNumber(setting::announceOwnCommands, 0);
        rig.type("score");
        rig.client.onReceived("You are level 3.\r\n");
        QTRY_COMPARE(Heard::texts(), (std::vector<QString>{"You are level 3."}));
        rig.client.preferences().settings.setNumber(setting::announceOwnCommands, 1);
        rig.type("look");
        QTRY_COMPARE(Heard::all().size(), std::size_t{2});
        QCOMPARE(Heard::all().back().text, QStringLiteral("look"));
    }

    // Alt+S (Window > Describe Status) writes the status in words into the output, which a
    // screen reader hears as new text; the status view describes itself the same way.
    void theStatusPaneDescribesItselfOnRequest() {
        ListeningRig rig;
        StatusModel& status = rig.client.status();
        status.hp = 139;
        status.hpMax = 160;
        status.attackers.append("Big orc", "4");
        status.attackers.append("Orc whelp", "10");
        const QString words = QString::fromStdString(describeStatus(status));
        QVERIFY(words.startsWith("HP 139 of 160"));
        QVERIFY(words.endsWith("2 attackers: Big orc 40%, Orc whelp 100%"));
        QCOMPARE(rig.window->menu().describeStatus->shortcut(), QKeySequence("Alt+S"));
        rig.window->menu().describeStatus->trigger();
        QTRY_COMPARE(Heard::texts(), (std::vector<QString>{words}));
        auto* view = rig.window->findChild<StatusView*>();
        QVERIFY(view);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Status"));
        QCOMPARE(accessible->text(QAccessible::Description), words);
    }
};

} // namespace vesk

std::unique_ptr<QObject> createScreenReaderTest() {
    return std::make_unique<vesk::ScreenReaderTest>();
}

#include "ScreenReaderTest.moc"
