#include "TestApplication.h"

#include <QTest>

#include <memory>

std::unique_ptr<QObject> createOutputViewTest();
std::unique_ptr<QObject> createOutputViewRowsTest();
std::unique_ptr<QObject> createMainWindowTextTest();
std::unique_ptr<QObject> createScrollbackLimitTest();
std::unique_ptr<QObject> createSplitViewTest();
std::unique_ptr<QObject> createScreenReaderTest();

// The test classes of the text panes run in one executable, one after another.
int main(int argc, char** argv) {
    vesk::uitest::TestApplication application(argc, argv);
    int failures = 0;
    for (auto create : {createOutputViewTest, createOutputViewRowsTest, createMainWindowTextTest,
                        createScrollbackLimitTest, createSplitViewTest, createScreenReaderTest}) {
        const std::unique_ptr<QObject> test = create();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures;
}
