#pragma once

#include "display/ColourRuns.h"
#include "display/SgrState.h"

#include <QString>

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vesk {

class TextBuffer;
class TextMeasure;

// One colour run ready to draw: its text as a QString and where it starts, in pixels from the
// start of the stored line.
struct LaidOutRun {
    QString text;
    // Where each character starts in `text` (UTF-16 units), and where the text ends; empty
    // when every character is one unit.
    std::vector<int> characterOffsets;
    SgrState colour;
    int plainStart = 0;
    int plainLength = 0;
    double left = 0;

    bool isTab() const { return plainLength == 0; }
    // The UTF-16 offset of the character `index` characters into the run.
    int offsetOf(int index) const {
        return characterOffsets.empty() ? index : characterOffsets[static_cast<std::size_t>(index)];
    }
};

// A stored line laid out for a pane: its runs, where each plain column is drawn, and where the
// line breaks into display rows for the pane's width. A column's cell starts before the tabs
// that precede its character (they belong to it, as in selections) and its glyph after them.
class LineLayout {
public:
    void build(std::string_view text, SgrState start, TextMeasure& measure, double available);

    const std::vector<LaidOutRun>& runs() const { return runs_; }
    int columns() const { return static_cast<int>(glyphLeft_.size()); }
    int rowCount() const { return static_cast<int>(rowStarts_.size()); }
    int rowStart(int row) const { return rowStarts_[static_cast<std::size_t>(row)]; }
    int rowEnd(int row) const { return row + 1 < rowCount() ? rowStart(row + 1) : columns(); }
    int rowOfColumn(int column) const;
    // Left edge of a column's cell; the column after the last gives the end of the text.
    double cellLeft(int column) const { return cellLeft_[static_cast<std::size_t>(column)]; }
    double glyphLeft(int column) const { return glyphLeft_[static_cast<std::size_t>(column)]; }

private:
    void addCharacters(LaidOutRun& run, TextMeasure& measure, double& x, double& cellStart);

    std::vector<ColourRun> colourRuns_;
    std::vector<LaidOutRun> runs_;
    std::vector<double> cellLeft_;
    std::vector<double> glyphLeft_;
    std::vector<bool> blank_;
    std::vector<int> rowStarts_;
};

// The layouts of the lines a pane has looked at lately. They are made only for the lines a
// paint, a scroll step or a hit test needs; all of them go when the buffer, the font or the
// pane's width changes, and when more than a few screens' worth have piled up (checked when an
// operation starts, so a layout handed out stays valid until the next one).
class LineLayouts {
public:
    LineLayouts(const TextBuffer& buffer, TextMeasure& measure)
        : buffer_(buffer), measure_(measure) {}

    // Starts an operation: drops what is stale.
    void prepare(double available);
    // A changed font measures differently.
    void forget() { layouts_.clear(); }
    const LineLayout& of(int line);

private:
    static constexpr std::size_t mostLayouts = 1024;

    const TextBuffer& buffer_;
    TextMeasure& measure_;
    std::unordered_map<int, LineLayout> layouts_;
    std::uint64_t revision_ = ~std::uint64_t{0};
    double available_ = -1;
};

} // namespace vesk
