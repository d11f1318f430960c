// Reads arbitrary bytes as "Preferences.DAT". The reader must survive anything, and once the
// writer has put a file into its own form, reading and writing it again changes nothing.
// (One pass may still normalise: a password of spaces only reads back empty.)
#include "common/Reporting.h"
#include "prefs/Preferences.h"
#include "prefs/PreferencesFile.h"

#include "FakeHost.h"

#include <cstdlib>
#include <string_view>

namespace {

std::string rewritten(std::string_view text, vesk::Reporting& reporting) {
    vesk::Preferences preferences;
    preferences.restoreDefaults();
    vesk::PreferencesFile::read(text, preferences, reporting);
    return vesk::PreferencesFile::write(preferences);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vesk::testing::FakeHost host;
    vesk::Reporting reporting(host, "/dev/null");
    const std::string first =
        rewritten(std::string_view(reinterpret_cast<const char*>(data), size), reporting);
    const std::string second = rewritten(first, reporting);
    if (rewritten(second, reporting) != second) {
        std::abort();
    }
    return 0;
}
