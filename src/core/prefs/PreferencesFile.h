#pragma once

#include <string>
#include <string_view>

namespace vesk {

class Preferences;
class Reporting;

// The text of "Preferences.DAT": nine keyword sections in a fixed order, each key written
// with its own format. Reading is forgiving: unknown sections and keys are skipped, a key
// without its value keeps the value it had, and nothing in the text can stop the reading.
class PreferencesFile {
public:
    static void read(std::string_view text, Preferences& preferences, Reporting& reporting);
    static std::string write(const Preferences& preferences);
};

} // namespace vesk
