#pragma once

#include <string>
#include <string_view>

namespace vesk::sim {

// The simulator's own output on standard output: the port lines tests parse, then one line per
// event ("vesk-sim: client 2 sent: look"). Every line starts with "vesk-sim: " and is flushed
// at once so a parent process sees it immediately.
void logLine(std::string_view text);

// Client bytes made safe for the log: unprintable bytes become \xHH and long text is cut.
std::string printable(std::string_view bytes);

} // namespace vesk::sim
