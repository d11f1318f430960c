#include "app/MainWindow.h"
#include "MainWindowRig.h"
#include "RenderShot.h"
#include "TestApplication.h"
#include "app/Application.h"
#include "app/Client.h"
#include "app/MainCommands.h"
#include "app/MainFont.h"
#include "app/MainMenu.h"
#include "connection/LagReadout.h"
#include "display/FindDialog.h"
#include "display/OutputPane.h"
#include "display/OutputView.h"
#include "input/InputLineEdit.h"
#include "input/KeyboardState.h"
#include "input/MacroKeys.h"
#include "status/StatusFrameWindow.h"
#include "status/StatusPane.h"
#include "status/StatusWindows.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace vesk {

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    struct Rig : uitest::MainWindowRig {
        QColor pixel(QPoint at) { return window->outputView().grab().toImage().pixelColor(at); }
    };

    // The Qt key event a keyboard delivers for a macro key.
    static std::pair<Qt::Key, Qt::KeyboardModifiers> qtKeyOf(const MacroKey& key) {
        const int code = key.virtualKey;
        if (code >= VirtualKey::F1 && code <= VirtualKey::F12) {
            return {Qt::Key(Qt::Key_F1 + (code - VirtualKey::F1)), Qt::NoModifier};
        }
        if (code >= VirtualKey::Keypad0 && code <= VirtualKey::Keypad9) {
            return {Qt::Key(Qt::Key_0 + (code - VirtualKey::Keypad0)), Qt::KeypadModifier};
        }
        switch (code) {
        case VirtualKey::KeypadDivide:
            return {Qt::Key_Slash, Qt::KeypadModifier};
        case VirtualKey::KeypadMultiply:
            return {Qt::Key_Asterisk, Qt::KeypadModifier};
        case VirtualKey::KeypadSubtract:
            return {Qt::Key_Minus, Qt::KeypadModifier};
        case VirtualKey::KeypadAdd:
            return {Qt::Key_Plus, Qt::KeypadModifier};
        case VirtualKey::KeypadDecimal:
            return {Qt::Key_Period, Qt::KeypadModifier};
        case VirtualKey::Up:
            return {Qt::Key_Up, Qt::NoModifier};
        case VirtualKey::Down:
            return {Qt::Key_Down, Qt::NoModifier};
        case VirtualKey::Left:
            return {Qt::Key_Left, Qt::NoModifier};
        case VirtualKey::Right:
            return {Qt::Key_Right, Qt::NoModifier};
        default:
            return {Qt::Key(code), Qt::ControlModifier}; // the letters, with Ctrl
        }
    }

    // The pixels of one character cell of the last stored row: the row's glyph band, one
    // character wide.
    static QRect lastRowCell(OutputView& view, int column) {
        const int height = view.lineHeight();
        const int top = view.height() - height - 2 - height / 2;
        const int charWidth = QFontMetrics(view.textFont()).horizontalAdvance('M');
        return {5 + column * charWidth, top, charWidth, height};
    }

    // A point inside a character of the last stored row, for the mouse.
    static QPoint lastRow(OutputView& view, int column = 0) {
        return lastRowCell(view, column).center();
    }

    // Whether a colour is drawn anywhere in a character cell of the last row (glyph edges are
    // blended, their cores are not).
    static bool cellHas(OutputView& view, int column, QColor colour) {
        const QImage image = view.grab().toImage();
        const QRect cell = lastRowCell(view, column);
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            for (int x = cell.left(); x <= cell.right(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }

private slots:
    void menuFollowsTheConnection() {
        Rig rig;
        MainMenu& menu = rig.window->menu();
        QVERIFY(menu.connectGame->isEnabled());
        QVERIFY(!menu.disconnect->isEnabled());
        rig.connect();
        QVERIFY(!menu.connectGame->isEnabled());
        QVERIFY(!menu.whosOnline->isEnabled());
        QVERIFY(!menu.autoLogin->isEnabled());
        QVERIFY(menu.disconnect->isEnabled());
        QCOMPARE(rig.window->windowTitle(), QString("Vesk - Connected to FenmarchMUD"));
        rig.client.OnConnectionEnded(false);
        QVERIFY(menu.connectGame->isEnabled());
        QVERIFY(!menu.disconnect->isEnabled());
        QCOMPARE(rig.window->windowTitle(), QString("Vesk - Not Connected"));
        QVERIFY(!menu.codingMenuShown());
        rig.connect();
        rig.client.onReceived("##VESK INIT\n##VESK INIT\n");
        QVERIFY(menu.codingMenuShown());
        QCOMPARE(rig.window->menuBar()->actions().at(1)->text(), QString("&Coding"));
        int codingMenus = 0;
        for (QAction* action : rig.window->menuBar()->actions()) {
            codingMenus += action->text() == "&Coding" ? 1 : 0;
        }
        QCOMPARE(codingMenus, 1);
    }

    // The first NAME puts the character in the window's own title at once.
    void theFirstNameShowsInTheWindowTitle() {
        Rig rig;
        rig.connect();
        rig.client.onReceived("##VESK NAME Tamsin\n");
        QCOMPARE(rig.window->windowTitle(), QString("Vesk (Tamsin)"));
    }

    // The title the player sees on the window itself, through a whole session: each state of
    // the connection, the character once the server names it (the first NAME), the online
    // editor's progress, and the end.
    void windowTitleFollowsTheConnectionAndTheCharacter() {
        Rig rig;
        MainWindow& window = *rig.window;
        QCOMPARE(window.windowTitle(), QString("Vesk - Not Connected"));
        QVERIFY(rig.client.ConnectToSite("127.0.0.1", "3000", "FenmarchMUD"));
        QCOMPARE(window.windowTitle(), QString("Vesk - Preparing to Connect .."));
        rig.client.onConnecting();
        QCOMPARE(window.windowTitle(), QString("Vesk - Connecting .."));
        rig.client.onConnected();
        QCOMPARE(window.windowTitle(), QString("Vesk - Connected to FenmarchMUD"));
        rig.client.onReceived("##VESK NAME Tamsin\n");
        QCOMPARE(window.windowTitle(), QString("Vesk (Tamsin)"));
        rig.client.onReceived("##VESK FILEBEGIN /w/x.c\n");
        QCOMPARE(window.windowTitle(), QString("Vesk (Tamsin) (OED: Receiving)"));
        rig.client.onReceived("##VESK FILEEND\n");
        QCOMPARE(window.windowTitle(), QString("Vesk (Tamsin)"));
        rig.client.playerDisconnected();
        QCOMPARE(window.windowTitle(), QString("Vesk - Not Connected"));
        rig.client.ConnectToSite("127.0.0.1", "3333", "FenmarchDevel");
        rig.client.onConnecting();
        rig.client.onConnected();
        QCOMPARE(window.windowTitle(), QString("Vesk - Connected to FenmarchDevel"));
        rig.client.onReceived("##VESK NAME Quill\n");
        QCOMPARE(window.windowTitle(), QString("DEVEL (Quill)"));
    }

    // Pointed at another server (a host named on the command line), the title says where it is
    // connected for the whole session, the character's name joining it when the server names
    // one; a server that never does still shows where the session is.
    void windowTitleNamesAnotherServer() {
        QTemporaryDir folder;
        uitest::ScriptedQtHost host;
        Client client(host, folder.path().toStdString());
        client.startUp();
        SiteAddresses sites;
        sites.hostName = "mud.example.org";
        sites.fenmarchSite = false;
        Application application(client, host, sites);
        MainWindow& window = application.window();
        window.show();
        client.ConnectToSite("mud.example.org", "3000", "FenmarchMUD");
        client.onConnecting();
        client.onConnected();
        QCOMPARE(window.windowTitle(), QString("Vesk - Connected to mud.example.org:3000"));
        client.onReceived("Welcome to a server that names nobody.\r\n");
        QCOMPARE(window.windowTitle(), QString("Vesk - Connected to mud.example.org:3000"));
        client.onReceived("##VESK NAME Tamsin\n");
        QCOMPARE(window.windowTitle(), QString("Vesk (Tamsin) - mud.example.org:3000"));
    }

    // After a disconnect the read-out does not go on showing the last lag as if it were
    // current; the next connection's first measured reply shows again.
    void lagReadoutShowsADashOnceDisconnected() {
        Rig rig;
        rig.connect();
        rig.client.connection().DoSend("look");
        rig.client.onReceived("A muddy road.\r\n");
        rig.client.OnConnectionEnded(false);
        QCOMPARE(rig.window->lagReadout().text(), QString("Lag-o-Meter: -"));
        rig.connect();
        rig.client.connection().DoSend("look");
        rig.client.onReceived("A muddy road.\r\n");
        QTRY_VERIFY(rig.window->lagReadout().text().startsWith("Lag-o-Meter: 0."));
    }

    // The narrow status layout gives the read-out half the width; the whole reading still
    // shows: the text's ink is as wide as the same reading painted with room to spare.
    void narrowLayoutShowsTheWholeLagReading() {
        Rig rig;
        QLabel& readout = rig.window->lagReadout();
        // The size desktops commonly give their widgets' text.
        QFont desktop = readout.font();
        desktop.setPointSize(11);
        readout.setFont(desktop);
        rig.client.preferences().settings.setNumber(setting::statusNarrow, 1);
        rig.window->relayout();
        QVERIFY(readout.isVisible());
        QCOMPARE(readout.text(), QString("Lag: 0.000 s"));
        const QImage shown = readout.grab().toImage();
        QImage roomy(shown.width() * 3, shown.height(), QImage::Format_ARGB32);
        roomy.fill(shown.pixelColor(0, 0));
        {
            QPainter painter(&roomy);
            painter.setFont(readout.font());
            painter.setPen(readout.palette().color(QPalette::WindowText));
            painter.drawText(roomy.rect(), Qt::AlignLeft | Qt::AlignVCenter, readout.text());
        }
        const auto inkWidth = [](const QImage& image) {
            const QColor background = image.pixelColor(0, 0);
            int left = image.width();
            int right = -1;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor pixel = image.pixelColor(x, y);
                    if (std::abs(pixel.lightness() - background.lightness()) > 60) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
                }
            }
            return right - left + 1;
        };
        QVERIFY(inkWidth(shown) > 0);
        QVERIFY2(
            std::abs(inkWidth(shown) - inkWidth(roomy)) <= 1,
            qPrintable(
                QString("shown %1, whole reading %2").arg(inkWidth(shown)).arg(inkWidth(roomy))));
        uitest::saveShot(*rig.window, QStringLiteral("main-window-narrow-status"));
    }

    void paintsColourSlotsBoldResetAndSelection() {
        Rig rig;
        rig.client.mainBuffer().AddString("\x1b[31mRRR\x1b[1mBBB\x1b[0;37;40mWWW\n");
        OutputView& view = rig.window->outputView();
        view.refresh();
        QVERIFY(cellHas(view, 1, QColor(140, 0, 0)));
        QVERIFY(!cellHas(view, 1, QColor(255, 0, 0)));
        QVERIFY(cellHas(view, 4, QColor(255, 0, 0)));
        QVERIFY(cellHas(view, 7, QColor(200, 200, 200)));
        QVERIFY(!cellHas(view, 7, QColor(255, 0, 0)));
        // Background between the rows.
        QCOMPARE(rig.pixel(QPoint(2, 2)), QColor(0, 0, 0));

        // Selected text: the selection colour behind, its inverse for the letters.
        const int line = rig.client.mainBuffer().lastIndex();
        rig.client.mainBuffer().selStartLine = rig.client.mainBuffer().selEndLine = line;
        rig.client.mainBuffer().selStartCol = 0;
        rig.client.mainBuffer().selEndCol = 9;
        const QImage image = view.grab().toImage();
        const QPoint cell = lastRow(view, 1);
        bool background = false, letters = false;
        for (int dx = -3; dx < 6; ++dx) {
            for (int dy = -6; dy < 6; ++dy) {
                const QColor colour = image.pixelColor(cell + QPoint(dx, dy));
                background = background || colour == QColor(200, 200, 200);
                letters = letters || colour == QColor(55, 55, 55);
            }
        }
        QVERIFY(background);
        QVERIFY(letters);
    }

    void longStoredLinesAreDrawn() {
        Rig rig;
        rig.client.mainBuffer().setWrapWidth(5000);
        rig.client.mainBuffer().AddString("\x1b[32m" + std::string(3000, 'g') + "\n");
        rig.window->outputView().refresh();
        QVERIFY(cellHas(rig.window->outputView(), 1, QColor(0, 120, 0)));
    }

    void followsTheEndUntilScrolledBack() {
        Rig rig;
        for (int line = 0; line < 200; ++line) {
            rig.client.mainBuffer().AddString("line " + std::to_string(line) + "\n");
        }
        OutputView& view = rig.window->outputView();
        view.refresh();
        QScrollBar* bar = rig.window->findChild<QScrollBar*>();
        QVERIFY(bar);
        QCOMPARE(bar->value(), bar->maximum());
        view.lineUp();
        QVERIFY(view.viewport().scrolledBack());
        const int position = view.viewport().position();
        rig.client.mainBuffer().AddString("more\n");
        view.refresh();
        QCOMPARE(view.viewport().position(), position);
        view.pageDown();
        view.pageDown();
        QVERIFY(!view.viewport().scrolledBack());
        QCOMPARE(view.viewport().position(), rig.client.mainBuffer().LineCount());
    }

    void dragSelectsAndEasyCopyPutsItOnTheClipboard() {
        Rig rig;
        rig.client.mainBuffer().AddString("alpha beta gamma\n");
        OutputView& view = rig.window->outputView();
        view.refresh();
        QGuiApplication::clipboard()->clear();
        QTest::mousePress(&view, Qt::LeftButton, {}, lastRow(view, 6) - QPoint(3, 0));
        QMouseEvent move(QEvent::MouseMove, lastRow(view, 10), view.mapToGlobal(lastRow(view, 10)),
                         Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&view, &move);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, lastRow(view, 10) - QPoint(3, 0));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("beta"));
        QVERIFY(!view.selection().hasRange()); // easy copy clears the selection
    }

    void enterSendsHistoryWalksAndPasswordsAreMasked() {
        Rig rig;
        rig.connect();
        InputLineEdit& input = rig.window->inputLine();
        input.setFocus();
        QTest::keyClicks(&input, "look");
        QTest::keyClick(&input, Qt::Key_Return);
        QCOMPARE(rig.sent.back(), std::string("look\n"));
        QVERIFY(input.QLineEdit::text().isEmpty());
        QTest::keyClicks(&input, "score");
        QTest::keyClick(&input, Qt::Key_Return);
        QTest::keyClick(&input, Qt::Key_Up);
        QCOMPARE(input.QLineEdit::text(), QString("score"));
        QTest::keyClick(&input, Qt::Key_Up);
        QCOMPARE(input.QLineEdit::text(), QString("look"));

        // The server takes the echo for the password: masked, not echoed, not remembered.
        rig.client.onReceived(std::string("Password: \xff\xfb\x01", 13));
        QCOMPARE(input.echoMode(), QLineEdit::Password);
        input.QLineEdit::setText(QString());
        QTest::keyClicks(&input, "secret");
        QTest::keyClick(&input, Qt::Key_Return);
        QCOMPARE(rig.sent.back(), std::string("secret\n"));
        for (int line = 0; line < rig.client.mainBuffer().LineCount(); ++line) {
            QVERIFY(rig.client.mainBuffer().line(line).text.find("secret") == std::string::npos);
        }
        rig.client.onReceived(std::string("\xff\xfc\x01Welcome\n", 11));
        QCOMPARE(input.echoMode(), QLineEdit::Normal);
    }

    void macroKeysSendTheirMacros() {
        Rig rig;
        rig.connect();
        MacroTable& macros = rig.client.preferences().currentMacros();
        macros["F1"] = "cast heal";
        macros["Keypad Up + Num Lock"] = "north";
        macros["Up"] = "up";
        macros["Ctrl + K"] = "kill rat";
        InputLineEdit& input = rig.window->inputLine();
        struct Press {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            std::string expected;
        };
        const std::vector<Press> presses = {
            {Qt::Key_F1, Qt::NoModifier, "cast heal\n"},
            {Qt::Key_F1, Qt::ControlModifier, "cast heal\n"},
            {Qt::Key_8, Qt::KeypadModifier, "north\n"},
            // With Num Lock off the keypad's 8 arrives as the Up arrow.
            {Qt::Key_Up, Qt::KeypadModifier, "up\n"},
            {Qt::Key_K, Qt::ControlModifier, "kill rat\n"},
        };
        for (const Press& press : presses) {
            rig.sent.clear();
            QTest::keyClick(&input, press.key, press.modifiers);
            QCOMPARE(rig.sent.size(), std::size_t(1));
            QCOMPARE(rig.sent.back(), press.expected);
            QVERIFY(input.QLineEdit::text().isEmpty());
        }
    }

    // Every one of the 57 macro keys, pressed as a keyboard sends it, sends its own macro.
    void everyMacroKeySendsItsMacro() {
        Rig rig;
        rig.connect();
        InputLineEdit& input = rig.window->inputLine();
        int number = 0;
        for (const MacroKey& key : MacroKeys::keys()) {
            rig.client.preferences().currentMacros()[std::string(key.name)] =
                "macro " + std::to_string(++number);
        }
        number = 0;
        for (const MacroKey& key : MacroKeys::keys()) {
            const auto [qtKey, modifiers] = qtKeyOf(key);
            rig.sent.clear();
            QTest::keyClick(&input, qtKey, modifiers);
            const std::string expected = "macro " + std::to_string(++number) + "\n";
            QVERIFY2(rig.sent.size() == 1 && rig.sent.back() == expected,
                     std::string(key.name).c_str());
        }
    }

    void findStepsForwardsAndLoopsBackWithTheAnswer() {
        Rig rig;
        for (const char* line : {"a rat\n", "the cat\n", "a rat again\n"}) {
            rig.client.mainBuffer().AddString(line);
        }
        rig.window->openFind();
        FindDialog* find = rig.window->findDialog();
        QVERIFY(find);
        find->textField()->setText("rat");
        find->findNext();
        QCOMPARE(rig.client.mainBuffer().selStartLine, 0);
        find->findNext();
        QCOMPARE(rig.client.mainBuffer().selStartLine, 2);
        rig.host.answers.push_back(true);
        find->findNext();
        QCOMPARE(rig.host.questions.size(), std::size_t(1));
        QCOMPARE(rig.client.mainBuffer().selStartLine, 0); // Yes loops back to the start
        find->searchUpBox()->setChecked(true);
        find->textField()->setText("cat");
        find->findNext();
        QCOMPARE(rig.client.mainBuffer().selStartLine, 1);
        find->textField()->setText("dog");
        find->findNext();
        QCOMPARE(rig.host.messages.back(),
                 std::string("Vesk Find|The search string was not found."));
    }

    void statusWindowFloatsAndDocksAndTheChoiceIsSaved() {
        Rig rig;
        Settings& settings = rig.client.preferences().settings;
        QVERIFY(rig.window->statusWindows().pane().isVisible());
        // The window follows the setting's notice, and the change is saved.
        settings.setNumber(setting::statusMoveable, 1);
        QVERIFY(rig.window->statusWindows().frame().isVisible());
        QVERIFY(!rig.window->statusWindows().pane().isVisible());
        QVERIFY(!rig.window->lagReadout().isVisible()); // the lag meter moved into the frame
        QCOMPARE(rig.window->outputPane().geometry().width() + 13,
                 rig.window->currentLayout().input.width);
        const auto saved = [&rig] {
            QFile file(rig.folder.filePath("Preferences.DAT"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTRY_VERIFY(saved().contains("Moveable         1"));
        settings.setNumber(setting::statusMoveable, 0);
        QVERIFY(!rig.window->statusWindows().frame().isVisible());
        QVERIFY(rig.window->statusWindows().pane().isVisible());
    }

    void rightClickOffersTheWordsUnderThePointer() {
        Rig rig;
        rig.connect();
        rig.client.mainBuffer().AddString("Visit www.fenmarch.org today\n");
        OutputView& view = rig.window->outputView();
        view.refresh();
        std::unique_ptr<QMenu> menu(rig.commands->buildOutputMenu(view, lastRow(view, 12)));
        QStringList texts;
        for (QAction* action : menu->actions()) {
            texts << action->text();
        }
        QCOMPARE(texts, QStringList({"Examine 'fenmarch'", "Goto URL 'www.fenmarch.org'", "",
                                     "Copy entire buffer", "Clear"}));
        rig.sent.clear();
        menu->actions().at(0)->trigger();
        QCOMPARE(rig.sent.back(), std::string("exa fenmarch\n"));
        menu->actions().at(1)->trigger();
        QCOMPARE(rig.host.openedUrls.back(), std::string("http://www.fenmarch.org"));
        menu->actions().at(4)->trigger();
        QCOMPARE(rig.client.mainBuffer().LineCount(), 1);
        QCOMPARE(rig.client.mainBuffer().line(0).text, std::string(" \n"));
    }

    void exitWhileConnectedAddsNoClosingNotice() {
        Rig rig;
        rig.connect();
        rig.commands->exitClient();
        QVERIFY(!rig.client.connection().connected());
        for (int line = 0; line < rig.client.mainBuffer().LineCount(); ++line) {
            QVERIFY(rig.client.mainBuffer().line(line).text.find("Connection closed.") ==
                    std::string::npos);
        }
    }

    void layoutPlacesThePanesForTheSettings() {
        Rig rig;
        const auto statusRect = [&] { return rig.window->currentLayout().status; };
        QVERIFY(statusRect().x > rig.window->currentLayout().output.x);
        rig.client.preferences().settings.setNumber(setting::statusFixedLocation, 1);
        rig.window->relayout();
        QCOMPARE(statusRect().x, 1);
        QVERIFY(rig.window->outputPane().geometry().x() > statusRect().width);
        rig.client.preferences().settings.setNumber(setting::statusOpen, 0);
        rig.window->relayout();
        QCOMPARE(rig.window->outputPane().geometry().x(), 1);
        QVERIFY(!rig.window->lagReadout().isVisible());
    }
};

} // namespace vesk

VESK_QTEST_MAIN(vesk::MainWindowTest)
#include "MainWindowTest.moc"
