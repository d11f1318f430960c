#pragma once

#include <span>
#include <vector>

namespace vesk {

// One character of a stored line as a pane lays it out: how wide it is drawn, tabs before it
// included, and whether it is a blank (a row may break after it).
struct RowCell {
    double width = 0;
    bool blank = false;
};

// Where each display row of one stored line starts, as columns of its plain characters: the
// first row at 0, and a new row wherever the one before it is full. A row breaks after the last
// blank, like the stored wrapping (a blank that does not fit stays at the end of its row), or
// before the first character that does not fit when the row holds no blank; every row holds
// at least one character. Nothing breaks in a pane with no width at all.
void breakIntoRows(std::span<const RowCell> cells, double available, std::vector<int>& rowStarts);

} // namespace vesk
