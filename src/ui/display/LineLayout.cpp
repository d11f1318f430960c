#include "display/LineLayout.h"

#include "common/TextBoundary.h"
#include "display/DisplayRows.h"
#include "display/TextBuffer.h"
#include "display/TextMeasure.h"

#include <algorithm>

namespace vesk {

void LineLayout::build(std::string_view text, SgrState start, TextMeasure& measure,
                       double available) {
    ColourRuns::read(text, start, colourRuns_);
    runs_.clear();
    cellLeft_.clear();
    glyphLeft_.clear();
    blank_.clear();
    double x = 0;
    // Where the cell of the next character starts when tabs come before it; -1 when none do.
    double cellStart = -1;
    for (const ColourRun& colourRun : colourRuns_) {
        LaidOutRun run{toQString(colourRun.text), {}, colourRun.colour, colourRun.plainStart,
                       colourRun.plainLength,     x};
        if (run.isTab()) {
            cellStart = cellStart < 0 ? x : cellStart;
            x += measure.tabWidth();
        } else {
            addCharacters(run, measure, x, cellStart);
        }
        runs_.push_back(std::move(run));
    }
    cellLeft_.push_back(cellStart < 0 ? x : cellStart);
    std::vector<RowCell> cells(glyphLeft_.size());
    for (std::size_t column = 0; column < cells.size(); ++column) {
        cells[column] = {cellLeft_[column + 1] - cellLeft_[column], blank_[column]};
    }
    breakIntoRows(cells, available, rowStarts_);
}

// A character outside the Basic Multilingual Plane is two UTF-16 units of the run's text.
void LineLayout::addCharacters(LaidOutRun& run, TextMeasure& measure, double& x,
                               double& cellStart) {
    const QString& text = run.text;
    const bool oneUnitEach = text.size() == run.plainLength;
    run.left = x;
    for (qsizetype unit = 0; unit < text.size();) {
        char32_t character = text[unit].unicode();
        qsizetype length = 1;
        if (text[unit].isHighSurrogate() && unit + 1 < text.size() &&
            text[unit + 1].isLowSurrogate()) {
            character = QChar::surrogateToUcs4(text[unit], text[unit + 1]);
            length = 2;
        }
        if (!oneUnitEach) {
            run.characterOffsets.push_back(static_cast<int>(unit));
        }
        cellLeft_.push_back(cellStart < 0 ? x : cellStart);
        glyphLeft_.push_back(x);
        blank_.push_back(character == U' ');
        cellStart = -1;
        x += measure.advance(character);
        unit += length;
    }
    if (!oneUnitEach) {
        run.characterOffsets.push_back(static_cast<int>(text.size()));
    }
}

int LineLayout::rowOfColumn(int column) const {
    const auto after = std::upper_bound(rowStarts_.begin(), rowStarts_.end(), column);
    return std::max(0, static_cast<int>(after - rowStarts_.begin()) - 1);
}

void LineLayouts::prepare(double available) {
    if (buffer_.revision() != revision_ || available != available_ ||
        layouts_.size() > mostLayouts) {
        layouts_.clear();
        revision_ = buffer_.revision();
        available_ = available;
    }
}

const LineLayout& LineLayouts::of(int line) {
    auto [entry, added] = layouts_.try_emplace(line);
    if (added) {
        entry->second.build(buffer_.line(line).text, buffer_.colourAtStart(line), measure_,
                            available_);
    }
    return entry->second;
}

} // namespace vesk
