#include "LoginTests.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int failures = 0;
    AutoLoginDialogTest autoLogin;
    failures += QTest::qExec(&autoLogin, argc, argv);
    LoginDohickeyTest dohickey;
    failures += QTest::qExec(&dohickey, argc, argv);
    return failures;
}
