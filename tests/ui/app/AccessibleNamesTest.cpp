// A screen-reader user moves through every window by keyboard and hears each control's name:
// every control the keyboard reaches, in every dialog, window and options page, has one.
#include "MainWindowRig.h"
#include "app/MainMenu.h"
#include "display/FindDialog.h"
#include "login/LoginDohickey.h"
#include "remote/FileBrowserWindow.h"
#include "remote/HelpBrowserWindow.h"
#include "social/NameEntryDialog.h"
#include "social/WhoListWindow.h"
#include "status/SkillsWindow.h"
#include "status/StatusFrameWindow.h"
#include "status/StatusWindows.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>

namespace vesk {

namespace {

// A part of another control (a combo box's edit field) is named by the control it belongs to.
bool partOfAnotherControl(const QWidget& widget) {
    for (QWidget* parent = widget.parentWidget(); parent; parent = parent->parentWidget()) {
        if (qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent)) {
            return true;
        }
    }
    return false;
}

// Every control of a window the Tab key can reach, on every page, that has no name.
QStringList unnamedControls(QWidget& window) {
    QStringList missing;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || partOfAnotherControl(*widget)) {
            continue;
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            missing << QStringLiteral("%1: a %2 (%3)")
                           .arg(window.windowTitle(), widget->metaObject()->className(),
                                widget->objectName());
        }
    }
    return missing;
}

// Opens a modal dialog, walks it while it is up and closes it.
QStringList unnamedInModal(const std::function<void()>& open, const QString& what) {
    QStringList missing{what + ": no dialog opened"};
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            missing = unnamedControls(*dialog);
            dialog->reject();
        }
    });
    poll.start();
    open();
    return missing;
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlOfEveryDialogHasAName() {
        uitest::MainWindowRig rig;
        MainMenu& menu = rig.window->menu();
        QStringList missing;
        std::vector<std::pair<QString, QAction*>> dialogs = {
            {"Options", menu.options},
            {"AutoLogin", menu.autoLogin},
            {"Friends Lists", menu.friendsLists},
            {"'Who' Options", menu.whoOptions},
            {"Chat Window Options", menu.chatOptions},
            {"Profiles", menu.profiles},
            {"Set Active Profile", menu.setActiveProfile},
            {"About", menu.about}};
        for (const auto& [action, kind] : menu.optionPageActions) {
            dialogs.emplace_back(action->text(), action);
        }
        for (const auto& [name, action] : dialogs) {
            missing << unnamedInModal([action = action] { action->trigger(); }, name);
        }
        missing << unnamedInModal([&] { rig.commands->openCodingPreferences(); },
                                  "Coding Preferences");
        missing << unnamedInModal([] { NameEntryDialog("Name", "Name:", 31).exec(); },
                                  "Name entry");
        missing << unnamedInModal([] { LoginDohickey().exec(); }, "Login Do-hickey");

        rig.window->openFind();
        rig.commands->showWhoList();
        rig.commands->showFileBrowser();
        std::vector<QWidget*> windows = {rig.window,
                                         rig.window->findDialog(),
                                         &rig.commands->whoListWindow(),
                                         &rig.window->statusWindows().skills(),
                                         &rig.window->statusWindows().frame(),
                                         rig.window->findChild<HelpBrowserWindow*>(),
                                         rig.window->findChild<FileBrowserWindow*>()};
        for (QWidget* window : windows) {
            QVERIFY(window);
            missing << unnamedControls(*window);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }
};

} // namespace vesk

VESK_QTEST_MAIN(vesk::AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
