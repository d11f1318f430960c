#include "RenderShot.h"
#include "SocialTests.h"

#include "preferences/Preferences.h"
#include "social/WhoListView.h"
#include "social/WhoOptionsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Clicks the named check boxes of the open modal dialog, then OK or Cancel.
void answerOptions(QStringList toggles, bool ok) {
    QTimer::singleShot(0, [toggles, ok] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QString("'Who' Options"));
        for (auto* check : dialog->findChildren<QCheckBox*>()) {
            if (toggles.contains(check->text())) {
                check->click();
            }
        }
        vesk::uitest::saveShot(*dialog, "who-options-dialog");
        ok ? dialog->accept() : dialog->reject();
    });
}

} // namespace

void WhoOptionsDialogTest::okStoresTheColumnsAndCancelLeavesThem() {
    vesk::Preferences preferences;
    preferences.restoreDefaults();
    const auto shown = [&preferences] { return vesk::WhoListView::columns(preferences.settings); };
    using vesk::WhoColumn;

    answerOptions({"Show Level", "Show Class"}, false);
    QVERIFY(!vesk::WhoOptionsDialog::run(preferences, nullptr));
    QCOMPARE(shown().size(), std::size_t{4});

    answerOptions({"Show Level", "Show Class"}, true);
    QVERIFY(vesk::WhoOptionsDialog::run(preferences, nullptr));
    QCOMPARE(shown(), (std::vector<WhoColumn>{WhoColumn::Name, WhoColumn::Race}));

    // "Edit Friends Lists" does nothing unless the main window gives it a task.
    vesk::WhoOptionsDialog dialog;
    dialog.load(preferences);
    int opened = 0;
    for (auto* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == "Edit Friends Lists") {
            button->click();
            dialog.setEditFriendsLists([&opened] { ++opened; });
            button->click();
        }
    }
    QCOMPARE(opened, 1);
}
