#include "LoginTests.h"
#include "RenderShot.h"

#include "login/AutoLogin.h"
#include "login/LoginDohickey.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using vesk::AutoLogin;
using vesk::LoginDohickey;

void LoginDohickeyTest::enterInTheNameMovesToThePassword() {
    LoginDohickey dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), QString("Login Do-hickey"));
    auto* name = dialog.findChild<QLineEdit*>("name");
    auto* password = dialog.findChild<QLineEdit*>("password");
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    name->setFocus();
    QTest::keyClicks(name, "bob");
    QTest::keyClick(name, Qt::Key_Return);
    QVERIFY(password->hasFocus());
    QVERIFY(dialog.isVisible());
    QTest::keyClicks(password, "secret");
    vesk::uitest::saveShot(dialog, "login-dohickey");
    QTest::keyClick(password, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.details(), (vesk::LoginDetails{"bob", "secret"}));
}

// The name is capitalised and both fields cut by the automatic login, which answers the
// prompts with them (AutoLoginTest); the dialog hands on what was typed, as typed text.
void LoginDohickeyTest::okHandsOnWhatWasTyped() {
    LoginDohickey dialog;
    auto* name = dialog.findChild<QLineEdit*>("name");
    auto* password = dialog.findChild<QLineEdit*>("password");
    QTest::keyClicks(name, "zed");
    QCOMPARE(dialog.details().name, std::string("zed"));
    name->setText(QString::fromUtf8("\xc3\xa9mile"));
    password->setText(QString(300, 'p'));
    QCOMPARE(dialog.details().name, std::string("\xc3\xa9mile"));
    QCOMPARE(dialog.details().password, std::string(AutoLogin::pendingWidth, 'p'));
}

void LoginDohickeyTest::cancelGivesNothing() {
    // The modal dialog is answered from the event loop it runs itself.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        dialog->findChild<QLineEdit*>("name")->setText("bob");
        dialog->reject();
    });
    QCOMPARE(LoginDohickey::ask(nullptr), std::nullopt);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        dialog->findChild<QLineEdit*>("name")->setText("amy");
        dialog->accept();
    });
    QCOMPARE(LoginDohickey::ask(nullptr), (vesk::LoginDetails{"amy", ""}));
}
