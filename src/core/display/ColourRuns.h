#pragma once

#include "display/SgrState.h"

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// A stretch of one stored line drawn in one colour. `text` is what is drawn, as UTF-8: the
// line's characters, a tab as four blanks. `plainStart` and `plainLength` place it in the
// line's plain text (the columns selections and searches use), counted in characters: a tab
// takes no plain column, so a tab is a run of its own with `plainLength` 0.
struct ColourRun {
    std::string text;
    SgrState colour;
    int plainStart = 0;
    int plainLength = 0;
    bool operator==(const ColourRun&) const = default;
};

// Splits one stored line into colour runs, reading its colour sequences with SgrReader. The
// line's characters follow the client's one rule for server bytes: a line that is valid UTF-8
// is read as UTF-8, any other line byte by byte as Latin-1, so no byte above 0x7F is lost.
// Control bytes and a dropped ESC draw nothing.
class ColourRuns {
public:
    // Appends the runs of `line` to `runs` (after clearing it), starting from `state`; returns
    // the state carried into the next line.
    static SgrState read(std::string_view line, SgrState state, std::vector<ColourRun>& runs);
};

} // namespace vesk
