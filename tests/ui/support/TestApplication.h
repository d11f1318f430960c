#pragma once

#include <QApplication>
#include <QFont>
#include <QTest>

namespace vesk::uitest {

// The application of every UI test. Its fonts are the project's own test fonts, loaded from
// their files, so a pixel a test looks for depends on the project's painting and not on which
// fonts the machine prefers (its fontconfig may resolve "monospace" to any family).
class TestApplication : public QApplication {
public:
    TestApplication(int& argc, char** argv);
};

// The fixed-pitch font the tests give the text panes.
QFont testFixedFont();

// The proportional font every widget of a test uses unless told otherwise.
QFont testWidgetFont();

} // namespace vesk::uitest

// QTEST_MAIN with the test fonts.
#define VESK_QTEST_MAIN(TestClass)                                                                 \
    int main(int argc, char** argv) {                                                              \
        vesk::uitest::TestApplication application(argc, argv);                                     \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
