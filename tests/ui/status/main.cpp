#include "TestApplication.h"
#include <QTest>

#include "StatusTestClasses.h"

// Runs every test class of the status and skills windows in one program.
int main(int argc, char** argv) {
    vesk::uitest::TestApplication application(argc, argv);
    int failures = 0;
    vesk::uitest::StatusViewTest view;
    failures += QTest::qExec(&view, argc, argv);
    vesk::uitest::StatusHoldersTest holders;
    failures += QTest::qExec(&holders, argc, argv);
    vesk::uitest::SkillsWindowTest skills;
    failures += QTest::qExec(&skills, argc, argv);
    return failures;
}
