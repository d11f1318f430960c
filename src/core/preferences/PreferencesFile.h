#pragma once

#include "common/SkippedLines.h"

#include <string>
#include <string_view>

namespace vesk {

class LineReader;
class Preferences;
class Reporting;

// The text of "Preferences.DAT": nine keyword sections in a fixed order, each key written
// with its own format. Reading is forgiving: unknown sections and keys are skipped (and noted,
// so a save can keep a copy), a key without its value keeps the value it had, and nothing in
// the text can stop the reading.
class PreferencesFile {
public:
    // What was passed over: keys and sections this client does not know (a newer client's), and
    // lines that are no settings at all. A file with text but no known section is not a
    // settings file the client can keep either.
    static SkippedLines read(LineReader& reader, Preferences& preferences, Reporting& reporting);
    static SkippedLines read(std::string_view text, Preferences& preferences, Reporting& reporting);
    static std::string write(const Preferences& preferences);
};

} // namespace vesk
