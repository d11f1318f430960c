#include "FakeHost.h"
#include "OptionsTestSupport.h"
#include "RenderShot.h"

#include "common/Reporting.h"
#include "connection/TypedTextEncoding.h"
#include "settings/ColourSwatch.h"
#include "settings/ColoursPage.h"
#include "settings/CommandStackPage.h"
#include "settings/GeneralPage.h"
#include "settings/LoggingPage.h"
#include "settings/OptionsPages.h"
#include "settings/StatusPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vesk;
using namespace vesk::optionstest;

namespace {

// The settings each page owns; a page must write these and nothing else.
bool ownedBy(OptionsPageKind kind, const SettingDefinition& row) {
    const auto is = [&](std::string_view section, std::initializer_list<std::string_view> keys) {
        return row.section == section && std::find(keys.begin(), keys.end(), row.key) != keys.end();
    };
    switch (kind) {
    case OptionsPageKind::General:
        return row.section == "GeneralWindow" ||
               is("GeneralInfo", {"UsePasswordDohickey", "ClearEditField", "CmdEcho",
                                  "soundsEnabled", "TypedTextEncoding"});
    case OptionsPageKind::Status:
        return is("GeneralInfo", {"LagMeter"}) ||
               is("StatusWindow", {"Moveable", "FixedLocation", "Narrow", "BodyType",
                                   "UseMainWindowFont", "SmallBars", "PartyMobs"});
    case OptionsPageKind::CommandStack:
        return is("GeneralInfo", {"useCommandStacking", "stackCharacter"});
    case OptionsPageKind::Colours:
        return row.section == "Colours";
    case OptionsPageKind::Logging:
        return row.section == "LogPrefs";
    case OptionsPageKind::Help:
        return is("GeneralInfo", {"HelpEditor"});
    }
    return false;
}

std::unique_ptr<OptionsPage> pageFor(OptionsPageKind kind, Preferences& preferences) {
    return std::unique_ptr<OptionsPage>(createOptionsPage(kind, preferences, nullptr));
}

} // namespace

class OptionsPagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyPageCarriesItsOwnSettingsAndNoOthers() {
        for (int index = 0; index < optionsPageCount; ++index) {
            const auto kind = static_cast<OptionsPageKind>(index);
            Preferences source = changedPreferences();
            const auto page = pageFor(kind, source);
            Preferences target;
            page->save(target);
            const auto rows = SettingsTable::definitions();
            const Settings defaults;
            for (std::size_t row = 0; row < rows.size(); ++row) {
                const SettingValue& expected =
                    ownedBy(kind, rows[row]) ? source.settings.at(row) : defaults.at(row);
                QVERIFY2(target.settings.at(row) == expected,
                         qPrintable(optionsPageTitle(kind) + ": " +
                                    QString::fromUtf8(rows[row].key.data(),
                                                      static_cast<int>(rows[row].key.size()))));
            }
        }
    }

    // Each switch of the General page carries its explanation, below the switch it explains.
    void generalSwitchesCarryTheirExplanations() {
        GeneralPage page;
        page.show();
        const struct {
            const char* box;
            const char* note;
        } cases[] = {
            {"Use Login Do-hickey", "Pop up a window to hide your Password entry when logging "
                                    "in? NOTE: Disabled when using the Autologin window."},
            {"Clear Edit Field after [ENTER]",
             "When Unchecked, text in the Edit Field will be selected for over-writing, but not "
             "cleared, when you press [ENTER]"},
            {"Command Echo", "Echo any commands that you send to the MUD in the main view window?"},
            {"Play Sounds", "Play sounds embedded in Triggers?"},
            {"Reconnect by itself", "Try the server again, with growing waits for up to ten "
                                    "minutes, when a game connection is lost."},
            {"Gather conversation in the Chat Pane",
             "While the Chat Pane is open, copy what other players tell you, say, shout and send "
             "on channels into it as well."},
        };
        for (const auto& testCase : cases) {
            const QCheckBox* box = nullptr;
            for (const QCheckBox* each : page.findChildren<QCheckBox*>()) {
                box = each->text() == QLatin1String(testCase.box) ? each : box;
            }
            QVERIFY2(box, testCase.box);
            const QLabel* note = nullptr;
            for (const QLabel* each : page.findChildren<QLabel*>()) {
                note = each->text() == QLatin1String(testCase.note) ? each : note;
            }
            QVERIFY2(note && note->isVisible(), testCase.note);
            const QPoint boxAt = box->mapTo(&page, QPoint(0, 0));
            const QPoint noteAt = note->mapTo(&page, QPoint(0, 0));
            QVERIFY2(noteAt.y() > boxAt.y(), testCase.note);
            // Tall enough for all its lines: the indent and the gap below take no line away.
            QVERIFY2(note->height() >= note->heightForWidth(note->width()), testCase.note);
        }
    }

    void reconnectAndGatheringAreSwitchedOnTheGeneralPage() {
        Preferences preferences;
        GeneralPage page;
        page.load(preferences);
        QVERIFY(page.autoReconnectBox()->isChecked());
        QVERIFY(page.gatherChatBox()->isChecked());
        page.autoReconnectBox()->setChecked(false);
        page.gatherChatBox()->setChecked(false);
        page.save(preferences);
        QCOMPARE(preferences.settings.number(setting::autoReconnect), 0);
        QCOMPARE(preferences.settings.number(setting::gatherChat), 0);
    }

    void widthOutsideTheRangeOrNoNumberIsIgnoredSilently() {
        const struct {
            const char* text;
            int expected;
        } cases[] = {{"120", 120}, {"0", 0},    {"999", 999}, {" 42 ", 42}, {"1000", 80},
                     {"-1", 80},   {"abc", 80}, {"", 80},     {"12x", 80}};
        for (const auto& testCase : cases) {
            Preferences preferences;
            GeneralPage page;
            page.load(preferences);
            page.widthEdit()->setText(QString::fromLatin1(testCase.text));
            page.save(preferences);
            QCOMPARE(preferences.settings.number(setting::numCharactersWidth), testCase.expected);
            QVERIFY(!messageBoxShown());
        }
    }

    // A small labelled choice: the items' order is the setting's value, and an unknown value
    // shows as automatic.
    void typedTextEncodingIsChosenOnTheGeneralPage() {
        Preferences preferences;
        GeneralPage page;
        page.load(preferences);
        QComboBox* box = page.typedTextEncodingBox();
        QCOMPARE(box->currentText(), QStringLiteral("Automatic"));
        QCOMPARE(box->count(), 3);
        box->setCurrentIndex(box->findText(QStringLiteral("Latin-1")));
        page.save(preferences);
        QCOMPARE(preferences.settings.number(setting::typedTextEncoding),
                 static_cast<int>(TypedTextEncoding::Choice::Latin1));
        box->setCurrentIndex(box->findText(QStringLiteral("UTF-8")));
        page.save(preferences);
        QCOMPARE(preferences.settings.number(setting::typedTextEncoding),
                 static_cast<int>(TypedTextEncoding::Choice::Utf8));
        preferences.settings.setNumber(setting::typedTextEncoding, 7);
        page.load(preferences);
        QCOMPARE(box->currentText(), QStringLiteral("Automatic"));
    }

    // Paths written in another encoding keep their bytes unless the player edits them.
    void pathsKeepTheirBytesUntilEdited() {
        Preferences preferences;
        preferences.settings.setText(setting::logFile, "journ\xe9"
                                                       "e.txt");
        LoggingPage page(preferences.settings);
        page.load(preferences);
        page.save(preferences);
        QCOMPARE(preferences.settings.text(setting::logFile), std::string("journ\xe9"
                                                                          "e.txt"));
    }

    // The separator is one byte in the file; one above 0x7F (from a file an older client
    // wrote) shows as its Latin-1 character and is saved as the same byte.
    void latin1SeparatorFromTheFileSurvivesTheDialog() {
        Preferences preferences;
        preferences.settings.setNumber(setting::useCommandStacking, 1);
        preferences.settings.setText(setting::stackCharacter, "\xa7");
        CommandStackPage page;
        page.load(preferences);
        QCOMPARE(page.separatorEdit()->text(), QString::fromUtf8("\xc2\xa7"));
        page.save(preferences);
        QCOMPARE(preferences.settings.text(setting::stackCharacter), std::string("\xa7"));
    }

    void stackingSwitchEnablesTheSeparator() {
        Preferences preferences;
        CommandStackPage page;
        page.load(preferences);
        QVERIFY(!page.separatorEdit()->isEnabled());
        QVERIFY(!page.separatorLabel()->isEnabled());
        QCOMPARE(page.separatorEdit()->text(), QStringLiteral("&"));
        QTest::mouseClick(page.stackingBox(), Qt::LeftButton, {},
                          QPoint(4, page.stackingBox()->height() / 2));
        QVERIFY(page.separatorEdit()->isEnabled());
        QVERIFY(page.separatorLabel()->isEnabled());
        page.save(preferences);
        QVERIFY(preferences.settings.isOn(setting::useCommandStacking));
    }

    void separatorTakesOneVisibleCharacterAndMayBeEmpty() {
        Preferences preferences;
        preferences.settings.setNumber(setting::useCommandStacking, 1);
        CommandStackPage page;
        page.load(preferences);
        page.separatorEdit()->clear();
        QTest::keyClicks(page.separatorEdit(), QStringLiteral(" "));
        QCOMPARE(page.separatorEdit()->text(), QString());
        page.save(preferences);
        // No separator: the send path keeps the whole line as one command.
        QCOMPARE(preferences.settings.character(setting::stackCharacter), '\0');
        QTest::keyClicks(page.separatorEdit(), QStringLiteral(";|"));
        page.save(preferences);
        QCOMPARE(preferences.settings.text(setting::stackCharacter), std::string(";"));
    }

    void emptySeparatorSurvivesTheSettingsFileAsNoSeparator() {
        QTemporaryDir folder;
        testing::FakeHost host;
        Reporting reporting(host, folder.filePath("Vesk.log").toStdString());
        Preferences preferences;
        preferences.settings.setNumber(setting::useCommandStacking, 1);
        CommandStackPage page;
        page.load(preferences);
        page.separatorEdit()->clear();
        page.save(preferences);
        QVERIFY(preferences.SavePreferences(folder.path().toStdString(), reporting));
        Preferences reloaded;
        reloaded.LoadPreferences(folder.path().toStdString(), reporting);
        QCOMPARE(reloaded.settings.character(setting::stackCharacter), '\0');
        QVERIFY(reloaded.settings.isOn(setting::useCommandStacking));
        QVERIFY(host.warnings.empty());
    }

    void movingTheStatusWindowDisablesItsDockedSide() {
        Preferences preferences;
        StatusPage page;
        page.load(preferences);
        QVERIFY(page.fixedLocationGroup()->isEnabled());
        page.moveableButton()->click();
        QVERIFY(!page.fixedLocationGroup()->isEnabled());
        page.fixedButton()->click();
        QVERIFY(page.fixedLocationGroup()->isEnabled());
    }

    void loggingChoicesEnableTheirControls() {
        Preferences preferences;
        LoggingPage page(preferences.settings);
        page.load(preferences);
        QCheckBox* selective[] = {page.tellsBox(), page.saysBox(), page.channelsBox(),
                                  page.shoutsBox(), page.everythingElseBox()};
        for (QCheckBox* box : selective) {
            QVERIFY(!box->isEnabled());
        }
        QVERIFY(page.fileEdit()->isEnabled());
        QVERIFY(!page.characterNameBox()->isEnabled());
        page.selectiveButton()->click();
        for (QCheckBox* box : selective) {
            QVERIFY(box->isEnabled());
        }
        page.autoNameButton()->click();
        QVERIFY(!page.fileEdit()->isEnabled());
        QVERIFY(page.characterNameBox()->isEnabled() && page.dateBox()->isEnabled());
    }

    void logNamingTakesEffectAtOnceButTheRestWaitsForSave() {
        Preferences preferences;
        LoggingPage page(preferences.settings);
        page.load(preferences);
        // Loading the page changed nothing.
        QCOMPARE(preferences.settings, Settings());
        page.autoNameButton()->click();
        page.dateBox()->click();
        page.selectiveButton()->click();
        page.fileEdit()->setText(QStringLiteral("other.txt"));
        QVERIFY(preferences.settings.isOn(setting::logAutoName));
        QCOMPARE(preferences.settings.number(setting::logAutoNameOpt, 1), 0);
        QVERIFY(preferences.settings.isOn(setting::logEverything));
        QCOMPARE(preferences.settings.text(setting::logFile), std::string("logfile.txt"));
        page.useFileButton()->click();
        QVERIFY(!preferences.settings.isOn(setting::logAutoName));
    }

    void swatchOpensTheChooserOnItsColourAndKeepsTheChoice() {
        Preferences preferences;
        ColoursPage page;
        page.load(preferences);
        ColourSwatch* red = page.swatch("Red");
        QVERIFY(red != nullptr);
        QColor offered;
        ColourSwatch::setChooser([&](const QColor& initial, QWidget*) -> std::optional<QColor> {
            offered = initial;
            return QColor(10, 20, 30);
        });
        QTest::mouseClick(red, Qt::LeftButton);
        QCOMPARE(offered, QColor(140, 0, 0));
        QCOMPARE(red->colour(), QColor(10, 20, 30));
        // The swatch alone holds the choice until the page is saved.
        QCOMPARE(preferences.settings.number(setting::colourRed, 0), 140);
        ColourSwatch::setChooser([](const QColor&, QWidget*) { return std::nullopt; });
        QTest::mouseClick(red, Qt::LeftButton);
        QCOMPARE(red->colour(), QColor(10, 20, 30));
        ColourSwatch::setChooser({});
        red->resize(red->sizeHint());
        const QImage picture = red->grab().toImage();
        QCOMPARE(picture.pixelColor(picture.rect().center()), QColor(10, 20, 30));
        page.save(preferences);
        QCOMPARE(preferences.settings.number(setting::colourRed, 2), 30);
    }

    void restoreDefaultsFillsTheSwatchesOnly() {
        Preferences preferences = changedPreferences();
        const Settings before = preferences.settings;
        ColoursPage page;
        page.load(preferences);
        QTest::mouseClick(page.restoreDefaultsButton(), Qt::LeftButton);
        QCOMPARE(preferences.settings, before);
        const struct {
            std::string_view key;
            QColor colour;
        } expected[] = {{"Red", {140, 0, 0}},
                        {"YellowBold", {255, 255, 0}},
                        {"Cyan", {0, 140, 140}},
                        {"Background", {0, 0, 0}},
                        {"Selection", {200, 200, 200}}};
        for (const auto& slot : expected) {
            QCOMPARE(page.swatch(slot.key)->colour(), slot.colour);
        }
        Preferences target;
        page.save(target);
        QCOMPARE(target.settings, Settings());
    }

    void setFontAsksAtOnce() {
        ColoursPage page;
        int requests = 0;
        connect(&page, &OptionsPage::fontRequested, this, [&] { ++requests; });
        page.setFontButton()->click();
        QCOMPARE(requests, 1);
    }
};

std::unique_ptr<QObject> createOptionsPagesTest() {
    return std::make_unique<OptionsPagesTest>();
}

#include "OptionsPagesTest.moc"
