#include "ScriptedQtHost.h"
#include "TestApplication.h"
#include "app/Application.h"
#include "app/Client.h"
#include "app/MainCommands.h"
#include "app/MainFont.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "common/WindowPlacement.h"
#include "settings/SettingsTable.h"
#include "social/WhoListWindow.h"
#include "status/SkillsWindow.h"
#include "status/StatusFrameWindow.h"
#include "status/StatusWindows.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace vesk {

namespace {

constexpr int bound = 10000;

// One start of the client on a settings folder: a client and its main window, as main() makes
// them, and the end of it as the menu's Exit brings it about.
struct Session {
    uitest::ScriptedQtHost host;
    Client client;
    std::unique_ptr<Application> application;
    MainWindow* window = nullptr;
    MainCommands* commands = nullptr;

    explicit Session(const QString& folder, const std::function<void(Settings&)>& prepare = {},
                     bool firstStart = false)
        : client(host, folder.toStdString()) {
        client.startUp();
        client.preferences().font = fontRecordOf(uitest::testFixedFont());
        Settings& settings = client.preferences().settings;
        settings.setNumber(setting::displayLoginAtStartup, 0);
        if (prepare) {
            prepare(settings);
        }
        application = std::make_unique<Application>(client, host, SiteAddresses{});
        window = &application->window();
        commands = &application->commands();
        application->show(firstStart);
    }

    // File > Exit inside the application's event loop, as the player chooses it: the client
    // closes its windows and the loop ends; then the window goes, as it does when main() ends.
    bool exitByMenu() {
        bool exited = false;
        QTimer::singleShot(0, window, [this, &exited] {
            exited = true;
            window->menu().exit->trigger();
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, qApp, &QCoreApplication::quit);
        guard.start(bound);
        QApplication::exec();
        const bool inTime = guard.isActive();
        application.reset();
        window = nullptr;
        commands = nullptr;
        return exited && inTime;
    }
};

// The windows besides the main one that record their places.
std::vector<QWidget*> placedWindows(Application& application) {
    return {&application.window().statusWindows().skills(),
            &application.window().statusWindows().frame(), &application.commands().whoListWindow()};
}

// The skills window open and the status window floating at start (the who list is open by
// default), and a wait until the three have opened.
void openEveryWindowAtStart(Settings& settings) {
    settings.setNumber(setting::skillsOpen, 1);
    settings.setNumber(setting::statusMoveable, 1);
}
bool everyWindowOpens(Application& application) {
    return QTest::qWaitFor(
        [&application] {
            return std::ranges::all_of(placedWindows(application),
                                       [](const QWidget* each) { return each->isVisible(); });
        },
        bound);
}

// Whether the player can reach the window's title bar on some screen: its top strip lies on
// one, a good piece of it wide.
bool onAScreen(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect titleStrip(frame.topLeft(), QSize(frame.width(), 24));
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->availableGeometry().intersected(titleStrip);
        if (common.height() == titleStrip.height() && common.width() >= 64) {
            return true;
        }
    }
    return false;
}

} // namespace

class WindowPlacesTest : public QObject {
    Q_OBJECT

private slots:
    // The rule on its own, with two monitors side by side and with the right one gone.
    void aPlaceOffEveryScreenMovesOntoTheNearestOne() {
        const QRect left(0, 0, 1280, 1000);
        const QRect right(1280, 0, 1920, 1080);
        struct Case {
            const char* name;
            QList<QRect> screens;
            QRect recorded;
            QRect placed;
        };
        const Case cases[] = {
            {"on the screen stays", {left}, {100, 80, 400, 300}, {100, 80, 400, 300}},
            {"on the second screen stays",
             {left, right},
             {2000, 100, 400, 300},
             {2000, 100, 400, 300}},
            {"second screen gone: onto the first, at its edge",
             {left},
             {2000, 100, 400, 300},
             {880, 100, 400, 300}},
            {"far off every screen", {left}, {5000, 5000, 260, 200}, {1020, 800, 260, 200}},
            {"above the top: the title bar comes down",
             {left},
             {200, -40, 400, 300},
             {200, 0, 400, 300}},
            {"mostly off to the left but its title reachable",
             {left},
             {-300, 50, 400, 300},
             {-300, 50, 400, 300}},
            {"only a sliver of the title on screen",
             {left},
             {-380, 50, 400, 300},
             {0, 50, 400, 300}},
            {"larger than the screen: shrunk to it",
             {left},
             {3000, 3000, 2000, 1500},
             {0, 0, 1280, 1000}},
            {"nearest of two screens", {left, right}, {4000, 200, 300, 200}, {2900, 200, 300, 200}},
        };
        for (const Case& c : cases) {
            QCOMPARE(WindowPlacement::onVisibleScreen(c.recorded, c.screens), c.placed);
        }
    }

    // Places recorded at 5000,5000 (a monitor that is gone) bring every window back on the
    // screen there is.
    void everyWindowRecordedOffScreenComesBackOnAScreen() {
        QTemporaryDir folder;
        Session session(folder.path(), [](Settings& settings) {
            for (const SettingKey key :
                 {setting::windowLocation, setting::whoLocation, setting::skillsLocation,
                  setting::statusMoveableLocation}) {
                settings.setNumber(key, 5000, 0);
                settings.setNumber(key, 5000, 1);
            }
            openEveryWindowAtStart(settings);
        });
        QVERIFY(everyWindowOpens(*session.application));
        std::vector<QWidget*> windows = placedWindows(*session.application);
        windows.push_back(session.window);
        for (QWidget* each : windows) {
            QVERIFY2(onAScreen(*each),
                     qPrintable(each->windowTitle() + QString(" at %1,%2 %3x%4")
                                                          .arg(each->frameGeometry().x())
                                                          .arg(each->frameGeometry().y())
                                                          .arg(each->frameGeometry().width())
                                                          .arg(each->frameGeometry().height())));
        }
    }

    // What is open when the player exits is open at the next start, in the same place: the
    // skills window, the floating status window and the who list, each moved by the player.
    void windowsOpenAtExitComeBackOpenInTheSamePlace() {
        QTemporaryDir folder;
        const QPoint skillsPlace(40, 330);
        const QPoint statusPlace(600, 40);
        const QPoint whoPlace(330, 200);
        {
            Session session(folder.path());
            MainWindow& window = *session.window;
            MainCommands& commands = *session.commands;
            window.menu().skillsWindow->trigger();
            session.client.preferences().settings.setNumber(setting::statusMoveable, 1);
            QTRY_VERIFY(commands.whoListWindow().isVisible());
            QVERIFY(window.statusWindows().skills().isVisible());
            QVERIFY(window.statusWindows().frame().isVisible());
            window.statusWindows().skills().move(skillsPlace);
            window.statusWindows().frame().move(statusPlace);
            commands.whoListWindow().move(whoPlace);
            QVERIFY(session.exitByMenu());
        }
        Session next(folder.path());
        MainWindow& window = *next.window;
        MainCommands& commands = *next.commands;
        QTRY_VERIFY(window.statusWindows().skills().isVisible());
        QTRY_VERIFY(window.statusWindows().frame().isVisible());
        QTRY_VERIFY(commands.whoListWindow().isVisible());
        QCOMPARE(window.statusWindows().skills().pos(), skillsPlace);
        QCOMPARE(window.statusWindows().frame().pos(), statusPlace);
        QCOMPARE(commands.whoListWindow().pos(), whoPlace);
        QVERIFY(window.menu().skillsWindow->isChecked());
        QVERIFY(window.menu().whoList->isChecked());
    }

    // The very first start opens the who list whole on the screen and beside the main window
    // where there is room, and records where it opened.
    void theFirstStartOpensTheWhoListWholeOnTheScreen() {
        QTemporaryDir folder;
        Session session(folder.path(), {}, true);
        WhoListWindow& who = session.commands->whoListWindow();
        QTRY_VERIFY(who.isVisible());
        const QRect frame = who.frameGeometry();
        bool whole = false;
        for (const QRect& screen : WindowPlacement::screenAreas()) {
            whole = whole || screen.contains(frame);
        }
        QVERIFY(whole);
        const QRect main = session.window->frameGeometry();
        if (main.width() + WhoListWindow::gapBeside + frame.width() <=
            QGuiApplication::primaryScreen()->availableGeometry().width()) {
            QVERIFY(!frame.intersects(main));
        }
        const Settings& settings = session.client.preferences().settings;
        QCOMPARE(QPoint(settings.number(setting::whoLocation, 0),
                        settings.number(setting::whoLocation, 1)),
                 who.pos());
    }

    // A window the player closed before exiting stays closed at the next start.
    void windowsClosedBeforeExitStayClosed() {
        QTemporaryDir folder;
        {
            Session session(folder.path(), openEveryWindowAtStart);
            QVERIFY(everyWindowOpens(*session.application));
            for (QWidget* each : placedWindows(*session.application)) {
                each->close();
            }
            QVERIFY(session.exitByMenu());
        }
        Session next(folder.path());
        MainWindow& window = *next.window;
        // The windows open (or not) from the event loop's first turn.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QVERIFY(window.isVisible());
        for (const QWidget* each : placedWindows(*next.application)) {
            QVERIFY2(!each->isVisible(), qPrintable(each->windowTitle()));
        }
    }
};

} // namespace vesk

VESK_QTEST_MAIN(vesk::WindowPlacesTest)
#include "WindowPlacesTest.moc"
