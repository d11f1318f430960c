// Reads arbitrary bytes as "Preferences.DAT". The reader must survive anything, and once the
// writer has put a file into its own form, reading and writing it again changes nothing.
// (One pass may still normalise: a password of spaces only reads back empty.)
#include "common/Reporting.h"
#include "preferences/Preferences.h"
#include "preferences/PreferencesFile.h"

#include "RewriteSettles.h"

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
    return vesk::testing::checkRewriteSettles(data, size, rewritten);
}
