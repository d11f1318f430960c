#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// The colour in force while a row is drawn: an index of the seven colours (1 red, 2 green,
// 3 blue, 4 magenta, 5 cyan, 6 yellow, 7 white) and whether the bold slot of that colour is used.
// Drawing starts every paint in white; a colour switched on in one row carries over to the rows
// drawn after it in the same paint.
struct SgrState {
    int colourIndex = 7;
    bool bold = false;
    auto operator<=>(const SgrState&) const = default;
};

// A stretch of one stored line drawn in one colour. `text` is what is drawn: printable
// characters, a tab as four blanks. `plainStart` and `plainLength` place it in the line's plain
// text (the columns selections and searches use): a tab takes no plain column, so a tab is a run
// of its own with `plainLength` 0.
struct ColourRun {
    std::string text;
    SgrState colour;
    int plainStart = 0;
    int plainLength = 0;
    auto operator<=>(const ColourRun&) const = default;
};

// Reads the colour sequences of one stored line. Only a small set is understood: the seven
// foreground colours 31-37, bold 1 and the reset 0;37;40, compared whole and ignoring case;
// anything else (a plain 0, combined forms such as 1;31) changes nothing. A sequence runs from
// ESC "[" to the next "m"; one cut short by the line's end counts as if it ended there. An ESC
// not followed by "[" and every unprintable byte draw nothing, so no garbage reaches the screen
// and no sequence, however long, is kept beyond the line it is in.
class ColourRuns {
public:
    // Appends the runs of `line` to `runs` (after clearing it), starting from `state`; returns
    // the state carried into the next row.
    static SgrState read(std::string_view line, SgrState state, std::vector<ColourRun>& runs);

    // The effect of one collected sequence ("[31m", "[1m", ...) on the state.
    static SgrState apply(std::string_view sequence, SgrState state);
};

} // namespace vesk
