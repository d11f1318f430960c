#include "FakeHost.h"
#include "OptionsTestSupport.h"

#include "app/Client.h"
#include "settings/ChatWindowOptionsDialog.h"
#include "settings/CodeEditingPreferencesDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <memory>

using namespace vesk;
using namespace vesk::optionstest;

namespace {

constexpr SettingKey chatLocation = setting::chatLocation;
constexpr SettingKey chatMoveable = setting::chatMoveable;
constexpr SettingKey chatRows = setting::chatLines;

} // namespace

class SmallDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void chatOptionsShowAndStoreTheChatSettings() {
        Preferences preferences;
        ChatWindowOptionsDialog dialog(preferences);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Chat Window Options"));
        QVERIFY(dialog.topButton()->isChecked());
        QVERIFY(dialog.fixedButton()->isChecked());
        QCOMPARE(dialog.rowsBox()->value(), 10);
        showAndShoot(dialog, QStringLiteral("chat-window-options"));
        dialog.bottomButton()->click();
        dialog.moveableButton()->click();
        dialog.rowsBox()->setValue(14);
        clickButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(preferences.settings.number(chatLocation), 0);
        QCOMPARE(preferences.settings.number(chatMoveable), 1);
        QCOMPARE(preferences.settings.number(chatRows), 14);
    }

    void chatOptionsCancelChangesNothing() {
        Preferences preferences;
        preferences.settings.setNumber(chatLocation, 0);
        ChatWindowOptionsDialog dialog(preferences);
        QVERIFY(dialog.bottomButton()->isChecked());
        dialog.topButton()->click();
        dialog.rowsBox()->setValue(3);
        dialog.show();
        clickButton(dialog, QDialogButtonBox::Cancel);
        QCOMPARE(preferences.settings.number(chatLocation), 0);
        QCOMPARE(preferences.settings.number(chatRows), 10);
    }

    void codeEditingShowsNoFileBeforeATransfer() {
        QTemporaryDir folder;
        testing::FakeHost host;
        Client client(host, folder.path().toStdString());
        CodeEditingPreferencesDialog dialog(client.preferences(), client.transfer());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Vesk Code Editing Preferences"));
        QCOMPARE(dialog.currentlyEditingLabel()->text(), QStringLiteral("Currently Editing: N/A"));
        QCOMPARE(dialog.editorEdit()->text(),
                 QString::fromStdString(client.preferences().settings.text(setting::editor)));
    }

    void codeEditingNamesTheRemoteFileAsPlainTextAndStoresTheEditor() {
        QTemporaryDir folder;
        testing::FakeHost host;
        Client client(host, folder.path().toStdString());
        std::ofstream(folder.filePath("TheCode.DAT").toStdString()) << "/w/<b>bob</b>/room.c\n";
        CodeEditingPreferencesDialog dialog(client.preferences(), client.transfer());
        QLabel* label = dialog.currentlyEditingLabel();
        QCOMPARE(label->text(), QStringLiteral("Currently Editing: /w/<b>bob</b>/room.c"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        showAndShoot(dialog, QStringLiteral("code-editing-preferences"));
        dialog.editorEdit()->setText(QStringLiteral("/usr/bin/kate -n"));
        clickButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(client.preferences().settings.text(setting::editor),
                 std::string("/usr/bin/kate -n"));
    }

    void codeEditingKeepsAtMost255Characters() {
        QTemporaryDir folder;
        testing::FakeHost host;
        Client client(host, folder.path().toStdString());
        CodeEditingPreferencesDialog dialog(client.preferences(), client.transfer());
        dialog.editorEdit()->setText(QString(300, QLatin1Char('e')));
        dialog.show();
        clickButton(dialog, QDialogButtonBox::Ok);
        QCOMPARE(client.preferences().settings.text(setting::editor).size(), std::size_t(255));
    }
};

std::unique_ptr<QObject> createSmallDialogsTest() {
    return std::make_unique<SmallDialogsTest>();
}

#include "SmallDialogsTest.moc"
