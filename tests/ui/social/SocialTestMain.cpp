#include "SocialTests.h"

#include "TestApplication.h"
#include <QTest>

int main(int argc, char** argv) {
    vesk::uitest::TestApplication application(argc, argv);
    int failures = 0;
    FriendsListsDialogTest friends;
    failures += QTest::qExec(&friends, argc, argv);
    WhoOptionsDialogTest options;
    failures += QTest::qExec(&options, argc, argv);
    WhoListWindowTest who;
    failures += QTest::qExec(&who, argc, argv);
    return failures;
}
