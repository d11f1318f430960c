#include "LoginTests.h"

#include "TestApplication.h"
#include <QTest>

int main(int argc, char** argv) {
    vesk::uitest::TestApplication application(argc, argv);
    int failures = 0;
    AutoLoginDialogTest autoLogin;
    failures += QTest::qExec(&autoLogin, argc, argv);
    LoginDohickeyTest dohickey;
    failures += QTest::qExec(&dohickey, argc, argv);
    return failures;
}
