#include "TestApplication.h"
#include <QTest>

#include <memory>

std::unique_ptr<QObject> createOptionsPagesTest();
std::unique_ptr<QObject> createOptionsDialogTest();
std::unique_ptr<QObject> createSmallDialogsTest();

// The three test classes of the options run in one executable, one after another.
int main(int argc, char** argv) {
    vesk::uitest::TestApplication application(argc, argv);
    int failures = 0;
    for (auto create : {createOptionsPagesTest, createOptionsDialogTest, createSmallDialogsTest}) {
        const std::unique_ptr<QObject> test = create();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
