#include "TestApplication.h"

#include <QFontDatabase>

#include <cstdio>
#include <cstdlib>

namespace vesk::uitest {

namespace {

// Paths found when the build was configured (fonts-dejavu-core, installed by the test command).
constexpr const char* fontFiles[] = {VESK_TEST_FONT_SANS, VESK_TEST_FONT_SANS_BOLD,
                                     VESK_TEST_FONT_MONO, VESK_TEST_FONT_MONO_BOLD};

void loadTestFonts() {
    for (const char* path : fontFiles) {
        if (QFontDatabase::addApplicationFont(QString::fromUtf8(path)) < 0) {
            std::fprintf(stderr, "UI tests: cannot load the test font %s\n", path);
            std::exit(2);
        }
    }
}

} // namespace

TestApplication::TestApplication(int& argc, char** argv) : QApplication(argc, argv) {
    loadTestFonts();
    setFont(testWidgetFont());
}

QFont testFixedFont() {
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(13);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QFont testWidgetFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    return font;
}

} // namespace vesk::uitest
