#include "display/DisplayRows.h"

namespace vesk {
namespace {

// Widths are sums of fractional advances; a character that fits exactly must not wrap.
constexpr double tolerance = 0.01;

// The column the next row starts at when `overflowing` does not fit a row that began at
// `start`: after the last blank up to and including it, or at it.
int breakColumn(std::span<const RowCell> cells, int start, int overflowing) {
    for (int column = overflowing; column >= start; --column) {
        if (cells[static_cast<std::size_t>(column)].blank) {
            return column + 1;
        }
    }
    return overflowing;
}

} // namespace

void breakIntoRows(std::span<const RowCell> cells, double available, std::vector<int>& rowStarts) {
    rowStarts.assign(1, 0);
    if (available <= 0) {
        return;
    }
    const int count = static_cast<int>(cells.size());
    int start = 0;
    double used = 0;
    for (int column = 0; column < count; ++column) {
        const double width = cells[static_cast<std::size_t>(column)].width;
        if (column == start || used + width <= available + tolerance) {
            used += width;
            continue;
        }
        start = breakColumn(cells, start, column);
        if (start >= count) {
            break;
        }
        rowStarts.push_back(start);
        // The row restarts at `start`: what lies before the overflowing column is in it.
        used = 0;
        column = start - 1;
    }
}

} // namespace vesk
