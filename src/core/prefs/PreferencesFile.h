#pragma once

#include <string>
#include <string_view>

namespace vesk {

class LineReader;
class Preferences;
class Reporting;

// The text of "Preferences.DAT": nine keyword sections in a fixed order, each key written
// with its own format. Reading is forgiving: unknown sections and keys are skipped, a key
// without its value keeps the value it had, and nothing in the text can stop the reading.
class PreferencesFile {
public:
    // True when the file was understood: it holds at least one known section, or nothing
    // but blanks. A file with text but no section is not a settings file the client can
    // keep, and a save would write over it.
    static bool read(LineReader& reader, Preferences& preferences, Reporting& reporting);
    static bool read(std::string_view text, Preferences& preferences, Reporting& reporting);
    static std::string write(const Preferences& preferences);
};

} // namespace vesk
