// The text panes in the main window: zoom keys, the standard shortcuts, copied text and a
// width setting of 0.
#include "MainWindowRig.h"
#include "display/FindDialog.h"
#include "display/OutputView.h"
#include "input/InputLineEdit.h"
#include "settings/FontRecord.h"

#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace vesk {

namespace {

struct WindowRig : uitest::MainWindowRig {
    InputLineEdit& input() { return window->inputLine(); }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(&input(), Qt::Key(key), modifiers);
    }
    int textPixels() { return QFontInfo(window->outputView().textFont()).pixelSize(); }
    QByteArray file(const char* name) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    int savedFontHeight() {
        const QByteArray bytes = file("Prefs2.dat");
        return FontRecord::fromFileBytes(std::string_view(bytes.constData(), bytes.size()))
            .height();
    }
    QString clipboard() { return QGuiApplication::clipboard()->text(); }
};

} // namespace

class MainWindowTextTest : public QObject {
    Q_OBJECT

private slots:
    void zoomKeysResizeTheTextAndSaveIt() {
        WindowRig rig;
        QCOMPARE(rig.textPixels(), 13);
        const int inputHeight = rig.window->currentLayout().input.height;
        rig.input().setText(std::string("typed"));
        rig.press(Qt::Key_Plus);
        QCOMPARE(rig.textPixels(), 14);
        QCOMPARE(QFontInfo(rig.window->chatView().textFont()).pixelSize(), 14);
        QCOMPARE(QFontInfo(rig.input().font()).pixelSize(), 14);
        QVERIFY(rig.window->currentLayout().input.height > inputHeight);
        QCOMPARE(rig.savedFontHeight(), -14);
        QVERIFY(rig.file("Preferences.DAT").contains("NormalFontHeight       13\n"));
        rig.press(Qt::Key_Equal);
        QCOMPARE(rig.textPixels(), 15);
        for (int step = 0; step < 3; ++step) {
            rig.press(Qt::Key_Minus);
        }
        QCOMPARE(rig.textPixels(), 12);
        rig.press(Qt::Key_0);
        QCOMPARE(rig.textPixels(), 13);
        QCOMPARE(rig.savedFontHeight(), -13);
        QCOMPARE(rig.input().QLineEdit::text(), QString("typed")); // the keys typed nothing

        // Ctrl and the wheel over the output.
        OutputView& view = rig.window->outputView();
        QWheelEvent wheel(QPointF(30, 30), view.mapToGlobal(QPointF(30, 30)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                          false);
        QCoreApplication::sendEvent(&view, &wheel);
        QCOMPARE(rig.textPixels(), 14);

        for (int step = 0; step < 60; ++step) {
            rig.press(Qt::Key_Plus);
        }
        QCOMPARE(rig.textPixels(), 72);
        for (int step = 0; step < 60; ++step) {
            rig.press(Qt::Key_Minus);
        }
        QCOMPARE(rig.textPixels(), 6);
    }

    void ctrlZeroReturnsToTheSizeChosenWithSetFont() {
        WindowRig rig;
        QFont chosen = uitest::testFixedFont();
        chosen.setPixelSize(17);
        rig.window->applyChosenFont(chosen);
        QCOMPARE(rig.textPixels(), 17);
        rig.press(Qt::Key_Plus);
        rig.press(Qt::Key_Plus);
        QCOMPARE(rig.textPixels(), 21);
        rig.press(Qt::Key_0);
        QCOMPARE(rig.textPixels(), 17);
        QCOMPARE(rig.savedFontHeight(), -17);
    }

    // The keypad's plus and minus belong to the macros: with Ctrl they do not zoom.
    void theKeypadsPlusAndMinusDoNotZoom() {
        WindowRig rig;
        rig.press(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        rig.press(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
        rig.press(Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(rig.textPixels(), 13);
    }

    void ctrlASelectsTheScrollBackCtrlCCopiesItAndEscapeDropsIt() {
        WindowRig rig;
        rig.connect();
        TextBuffer& buffer = rig.client.mainBuffer();
        buffer.Clear();
        buffer.AddString("caf\xe9 au lait\n");
        buffer.AddString("\xe2\x86\x92 north\n");
        rig.window->outputView().refresh();
        rig.sent.clear();
        rig.press(Qt::Key_A);
        QCOMPARE(buffer.selStartLine, 0);
        QCOMPARE(buffer.selEndLine, 2);
        QCOMPARE(buffer.selEndCol, 7);
        QGuiApplication::clipboard()->clear();
        rig.press(Qt::Key_C);
        QCOMPARE(rig.clipboard(), QString::fromUtf8(" \ncaf\xc3\xa9 au lait\n\xe2\x86\x92 north"));

        rig.input().setText(std::string("typed"));
        rig.press(Qt::Key_Escape, Qt::NoModifier);
        QVERIFY(!rig.window->outputView().selection().hasRange());
        QCOMPARE(rig.input().QLineEdit::text(), QString("typed"));
        QVERIFY(rig.sent.empty());
        QVERIFY(rig.window->isVisible());
    }

    // With a selection of its own the input line copies and selects its own text.
    void theInputLinesOwnSelectionKeepsCtrlAAndCtrlC() {
        WindowRig rig;
        rig.client.mainBuffer().AddString("output text\n");
        rig.input().setText(std::string("kill rat"));
        rig.input().setSelection(0, 4);
        rig.press(Qt::Key_A);
        QVERIFY(!rig.window->outputView().selection().hasRange());
        QCOMPARE(rig.input().selectedText(), QString("kill rat"));
        rig.press(Qt::Key_C);
        QCOMPARE(rig.clipboard(), QString("kill rat"));
        // A second Ctrl+A reaches the output, and Ctrl+C copies it from then on.
        rig.press(Qt::Key_A);
        QVERIFY(rig.window->outputView().selection().hasRange());
        QVERIFY(!rig.input().hasSelectedText());
        QCOMPARE(rig.input().QLineEdit::text(), QString("kill rat"));
        rig.press(Qt::Key_C);
        QVERIFY(rig.clipboard().endsWith("output text"));
    }

    void ctrlCCopiesTheChatPanesSelectionWhenTheMainViewHasNone() {
        WindowRig rig;
        rig.client.chatBuffer().AddString("gossip hello\n");
        rig.window->chatView().selection().begin(TextPosition{0, 7});
        rig.window->chatView().selection().end(TextPosition{0, 12});
        rig.press(Qt::Key_C);
        QCOMPARE(rig.clipboard(), QString("hello"));
    }

    void copyEntireBufferEndsLinesThePlatformsWay() {
        WindowRig rig;
        TextBuffer& buffer = rig.client.mainBuffer();
        buffer.Clear();
        buffer.AddString("one\n");
        buffer.AddString("two\n");
        OutputView& view = rig.window->outputView();
        view.refresh();
        std::unique_ptr<QMenu> menu(rig.commands->buildOutputMenu(view, QPoint(10, 10)));
        for (QAction* action : menu->actions()) {
            if (action->text() == "Copy entire buffer") {
                action->trigger();
            }
        }
#ifdef Q_OS_WIN
        QCOMPARE(rig.clipboard(), QString(" \r\none\r\ntwo"));
#else
        QCOMPARE(rig.clipboard(), QString(" \none\ntwo"));
#endif
    }

    // Find and the right-click words take characters: "CAFÉ" typed in the dialog finds the
    // Latin-1 "café", and the UTF-8 word under the pointer is whole.
    void findAndTheWordUnderThePointerTakeCharacters() {
        WindowRig rig;
        rig.connect();
        TextBuffer& buffer = rig.client.mainBuffer();
        buffer.AddString("a caf\xe9 for\n");
        buffer.AddString("a tea for Zo\xc3\xab\n");
        OutputView& view = rig.window->outputView();
        view.refresh();
        rig.window->openFind();
        FindDialog* find = rig.window->findDialog();
        QVERIFY(find);
        find->textField()->setText(QString::fromUtf8("CAF\xc3\x89"));
        find->findNext();
        QCOMPARE(buffer.selStartLine, buffer.lastIndex() - 1);
        QCOMPARE(buffer.selStartCol, 2);
        QCOMPARE(buffer.selEndCol, 6);
        find->close();

        const int advance = QFontMetrics(view.textFont()).horizontalAdvance('M');
        const int rowTop = Viewport::bottomRowTop(view.height(), view.lineHeight());
        const QPoint onZoe(5 + 12 * advance + advance / 2, rowTop + view.lineHeight() / 2);
        std::unique_ptr<QMenu> menu(rig.commands->buildOutputMenu(view, onZoe));
        QCOMPARE(menu->actions().at(0)->text(), QString::fromUtf8("Examine 'Zo\xc3\xab'"));
        rig.sent.clear();
        menu->actions().at(0)->trigger();
        QCOMPARE(rig.sent.back().substr(0, 8), std::string("exa Zo\xc3\xab"));
    }

    // Width 0: lines are stored whole and the pane breaks them, again after a resize.
    void aWidthOfZeroLeavesTheBreakingToThePane() {
        WindowRig rig;
        rig.client.preferences().settings.setNumber(setting::numCharactersWidth, 0);
        TextBuffer& buffer = rig.client.mainBuffer();
        const int before = buffer.LineCount();
        std::string line;
        for (int word = 0; line.size() < 200; ++word) {
            line += "word" + std::to_string(word) + " ";
        }
        buffer.AddString(line + "\n");
        QCOMPARE(buffer.LineCount(), before + 1);
        OutputView& view = rig.window->outputView();
        view.refresh();
        const int rows = view.displayRowsOf(before);
        QVERIFY(rows > 1);
        rig.window->resize(1800, 600);
        QTRY_VERIFY(view.displayRowsOf(before) < rows);
    }
};

} // namespace vesk

std::unique_ptr<QObject> createMainWindowTextTest() {
    return std::make_unique<vesk::MainWindowTextTest>();
}

#include "MainWindowTextTest.moc"
