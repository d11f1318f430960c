#include "TestApplication.h"

#include <QTest>

#include <memory>

std::unique_ptr<QObject> createTextBoundaryTest();
std::unique_ptr<QObject> createFramePacerTest();

// The test classes of the shared window helpers run in one executable, one after another.
int main(int argc, char** argv) {
    vesk::uitest::TestApplication application(argc, argv);
    int failures = 0;
    for (auto create : {createTextBoundaryTest, createFramePacerTest}) {
        const std::unique_ptr<QObject> test = create();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
