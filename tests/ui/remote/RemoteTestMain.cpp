#include "TestApplication.h"

int RunHelpBrowserWindowTests(int argc, char** argv);
int RunFileBrowserWindowTests(int argc, char** argv);

int main(int argc, char** argv) {
    vesk::uitest::TestApplication application(argc, argv);
    int failures = RunHelpBrowserWindowTests(argc, argv);
    failures += RunFileBrowserWindowTests(argc, argv);
    return failures;
}
