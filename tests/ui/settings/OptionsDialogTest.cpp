#include "OptionsTestSupport.h"
#include "ScriptedQtHost.h"
#include "TestApplication.h"

#include "app/Application.h"
#include "app/Client.h"
#include "app/MainCommands.h"
#include "app/MainFont.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "display/OutputView.h"
#include "input/InputLineEdit.h"

#include "settings/ColourSwatch.h"
#include "settings/ColoursPage.h"
#include "settings/GeneralPage.h"
#include "settings/OptionsDialog.h"
#include "settings/OptionsPageDialog.h"
#include "settings/StatusPage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace vesk;
using namespace vesk::optionstest;

namespace {

template <typename Page> Page& pageOf(OptionsDialog& dialog, OptionsPageKind kind) {
    return *static_cast<Page*>(dialog.page(kind));
}

// Touches a control on every page, so a dialog that applies anything shows it.
void changeEveryPage(OptionsDialog& dialog) {
    pageOf<GeneralPage>(dialog, OptionsPageKind::General).commandEchoBox()->click();
    pageOf<GeneralPage>(dialog, OptionsPageKind::General).widthEdit()->setText("100");
    pageOf<StatusPage>(dialog, OptionsPageKind::Status).moveableButton()->click();
    pageOf<StatusPage>(dialog, OptionsPageKind::Status).armourButton()->click();
    pageOf<ColoursPage>(dialog, OptionsPageKind::Colours).swatch("Blue")->setColour(Qt::white);
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsSixPagesInOrder() {
        Preferences preferences;
        OptionsDialog dialog(preferences);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Vesk Options"));
        const QStringList expected = {"General",      "Status",  "Cmd. Stack",
                                      "Fonts/Colors", "Logging", "Help"};
        QCOMPARE(dialog.tabs()->count(), expected.size());
        for (int index = 0; index < expected.size(); ++index) {
            QCOMPARE(dialog.tabs()->tabText(index), expected[index]);
            dialog.tabs()->setCurrentIndex(index);
            showAndShoot(dialog, QStringLiteral("options-page-%1").arg(index + 1));
        }
        dialog.tabs()->setCurrentIndex(0);
    }

    void reopensOnThePageShownLast() {
        Preferences preferences;
        {
            OptionsDialog dialog(preferences);
            dialog.tabs()->setCurrentIndex(4);
        }
        QCOMPARE(OptionsDialog::rememberedPage(), 4);
        OptionsDialog again(preferences);
        QCOMPARE(again.tabs()->currentIndex(), 4);
        again.tabs()->setCurrentIndex(0);
    }

    void okWithoutChangesAnnouncesNothing() {
        Preferences preferences;
        const HeardSettings heard(preferences.settings);
        OptionsDialog dialog(preferences);
        dialog.show();
        clickButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(heard.keys.empty());
        QCOMPARE(preferences.settings, Settings());
    }

    // What the main window must follow is announced, each setting once.
    void okAnnouncesEverySettingItChangesOnce() {
        Preferences preferences;
        const HeardSettings heard(preferences.settings);
        OptionsDialog dialog(preferences);
        auto& status = pageOf<StatusPage>(dialog, OptionsPageKind::Status);
        changeEveryPage(dialog);
        status.lagMeterBox()->click();
        status.narrowButton()->click();
        dialog.show();
        clickButton(dialog, QDialogButtonBox::Ok);
        for (const SettingKey key :
             {setting::statusMoveable, setting::bodyType, setting::lagMeter, setting::statusNarrow,
              setting::colourBlue, setting::numCharactersWidth}) {
            QCOMPARE(heard.count(key), 1);
        }
        for (const SettingKey key : heard.keys) {
            QCOMPARE(heard.count(key), 1);
        }
        QCOMPARE(preferences.settings.number(setting::numCharactersWidth), 100);
        QCOMPARE(preferences.settings.number(setting::bodyType), 1);
        QCOMPARE(preferences.settings.number(setting::statusMoveable), 1);
        QCOMPARE(preferences.settings.number(setting::colourBlue, 0), 255);
        QVERIFY(!preferences.settings.isOn(setting::cmdEcho));
    }

    void sideChangeAloneAnnouncesTheSideAlone() {
        Preferences preferences;
        const HeardSettings heard(preferences.settings);
        OptionsDialog dialog(preferences);
        pageOf<StatusPage>(dialog, OptionsPageKind::Status).leftButton()->click();
        dialog.show();
        clickButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(heard.keys, std::vector<SettingKey>{setting::statusFixedLocation});
    }

    void invalidWidthIsIgnoredWithoutAMessage() {
        Preferences preferences;
        const HeardSettings heard(preferences.settings);
        OptionsDialog dialog(preferences);
        auto& general = pageOf<GeneralPage>(dialog, OptionsPageKind::General);
        general.widthEdit()->setText("1000");
        general.playSoundsBox()->click();
        dialog.show();
        clickButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(preferences.settings.number(setting::numCharactersWidth), 80);
        QCOMPARE(heard.count(setting::numCharactersWidth), 0);
        // The other settings of the page are still taken.
        QVERIFY(!preferences.settings.isOn(setting::soundsEnabled));
        QVERIFY(!messageBoxShown());
        QVERIFY(dialog.isHidden());
    }

    void cancelChangesNothing() {
        Preferences preferences = changedPreferences();
        const HeardSettings heard(preferences.settings);
        const Settings before = preferences.settings;
        OptionsDialog dialog(preferences);
        changeEveryPage(dialog);
        dialog.show();
        clickButton(dialog, QDialogButtonBox::Cancel);
        QCOMPARE(preferences.settings, before);
        QVERIFY(heard.keys.empty());
    }

    // Through the real window: Edit > Options, "Set Font" on the Fonts/Colors page, a font
    // chosen in the font dialog. The output view and the input line take it while the options
    // are still open, and it is saved; Cancel on the options does not take it back.
    void setFontReachesTheMainWindowAtOnce() {
        QTemporaryDir folder;
        uitest::ScriptedQtHost host;
        Client client(host, folder.path().toStdString());
        client.startUp();
        client.preferences().settings.setNumber(setting::displayLoginAtStartup, 0);
        client.preferences().font = fontRecordOf(uitest::testFixedFont());
        Application application(client, host, SiteAddresses{});
        MainWindow& window = application.window();
        window.show();
        const int chosenSize = 17;
        QVERIFY(QFontInfo(window.outputView().textFont()).pointSize() != chosenSize);
        QFont chosen;
        QFont shownWhileOpen;
        QFont inputWhileOpen;
        QTimer::singleShot(0, &window, [&] {
            auto* options = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
            if (!options) {
                return;
            }
            QTimer::singleShot(0, &window, [&] {
                if (auto* fonts = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) {
                    QFont font = uitest::testFixedFont();
                    font.setPointSize(chosenSize);
                    fonts->setCurrentFont(font);
                    chosen = fonts->currentFont();
                    fonts->accept();
                }
            });
            pageOf<ColoursPage>(*options, OptionsPageKind::Colours).setFontButton()->click();
            shownWhileOpen = window.outputView().textFont();
            inputWhileOpen = window.inputLine().font();
            clickButton(*options, QDialogButtonBox::Cancel);
        });
        window.menu().options->trigger();
        QCOMPARE(chosen.pointSize(), chosenSize);
        const int chosenPixels = QFontInfo(chosen).pixelSize();
        QCOMPARE(shownWhileOpen, chosen);
        QCOMPARE(inputWhileOpen, chosen);
        QCOMPARE(window.outputView().textFont(), chosen);
        QCOMPARE(QFontInfo(mainFontFrom(client.preferences().font)).pixelSize(), chosenPixels);
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("Prefs2.dat"))));
    }

    void eachPageOpensOnItsOwn() {
        const struct {
            OptionsPageKind kind;
            const char* shot;
        } cases[] = {{OptionsPageKind::Colours, "page-dialog-colors"},
                     {OptionsPageKind::Status, "page-dialog-status"},
                     {OptionsPageKind::General, "page-dialog-general"},
                     {OptionsPageKind::Logging, "page-dialog-logging"},
                     {OptionsPageKind::CommandStack, "page-dialog-cmd-stack"},
                     {OptionsPageKind::Help, "page-dialog-help"}};
        for (const auto& testCase : cases) {
            Preferences preferences;
            OptionsPageDialog dialog(testCase.kind, preferences);
            QCOMPARE(dialog.windowTitle(), "Vesk Options - " + optionsPageTitle(testCase.kind));
            showAndShoot(dialog, QString::fromLatin1(testCase.shot));
            clickButton(dialog, QDialogButtonBox::Ok);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
    }

    void singleColourPageAnnouncesItsColourOnOk() {
        Preferences preferences;
        const HeardSettings heard(preferences.settings);
        OptionsPageDialog dialog(OptionsPageKind::Colours, preferences);
        QSignalSpy requests(&dialog, &OptionsPageDialog::fontRequested);
        auto* page = static_cast<ColoursPage*>(dialog.page());
        page->setFontButton()->click();
        QCOMPARE(requests.count(), 1);
        page->swatch("Selection")->setColour(QColor(1, 2, 3));
        dialog.show();
        clickButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(heard.keys, std::vector<SettingKey>{setting::colourSelection});
        QCOMPARE(preferences.settings.number(setting::colourSelection, 2), 3);
    }

    void singlePageCancelChangesNothing() {
        Preferences preferences;
        const HeardSettings heard(preferences.settings);
        OptionsPageDialog dialog(OptionsPageKind::Status, preferences);
        static_cast<StatusPage*>(dialog.page())->moveableButton()->click();
        dialog.show();
        clickButton(dialog, QDialogButtonBox::Cancel);
        QCOMPARE(preferences.settings, Settings());
        QVERIFY(heard.keys.empty());
    }
};

std::unique_ptr<QObject> createOptionsDialogTest() {
    return std::make_unique<OptionsDialogTest>();
}

#include "OptionsDialogTest.moc"
