#include "LoginTests.h"
#include "RenderShot.h"

#include "login/LoginDohickey.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
    QCOMPARE(dialog.details(), (vesk::LoginDetails{"Bob", "secret"}));
}

void LoginDohickeyTest::okUpperCasesTheNameAndCutsLongFields() {
    LoginDohickey dialog;
    auto* name = dialog.findChild<QLineEdit*>("name");
    auto* password = dialog.findChild<QLineEdit*>("password");
    QTest::keyClicks(name, "zed");
    QCOMPARE(dialog.details().name, std::string("Zed"));
    name->setText(QString(300, 'a'));
    password->setText(QString(300, 'p'));
    QCOMPARE(dialog.details().name, "A" + std::string(253, 'a'));
    QCOMPARE(dialog.details().password, std::string(254, 'p'));
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
    QCOMPARE(LoginDohickey::ask(nullptr), (vesk::LoginDetails{"Amy", ""}));
}
