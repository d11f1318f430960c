#include "TestApplication.h"
#include <QTest>

#include <memory>
#include <vector>

// Each page and dialog has its own test class; they run one after another in one program.
std::unique_ptr<QObject> makeMacrosPageTest();
std::unique_ptr<QObject> makeTriggersPageTest();
std::unique_ptr<QObject> makeProfilesDialogTest();
std::unique_ptr<QObject> makeSelectActiveProfileDialogTest();
std::unique_ptr<QObject> makeProfileBytesTest();

int main(int argc, char** argv) {
    vesk::uitest::TestApplication application(argc, argv);
    std::vector<std::unique_ptr<QObject>> tests;
    tests.push_back(makeMacrosPageTest());
    tests.push_back(makeTriggersPageTest());
    tests.push_back(makeProfilesDialogTest());
    tests.push_back(makeSelectActiveProfileDialogTest());
    tests.push_back(makeProfileBytesTest());
    int failures = 0;
    for (const auto& test : tests) {
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
