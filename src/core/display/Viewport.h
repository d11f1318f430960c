#pragma once

#include <algorithm>
#include <functional>
#include <optional>

namespace vesk {

// Which stretch of a buffer a text pane shows. Rows are laid out from the bottom: `position` is
// the index of the bottom stored line plus one, `rowsBelow` how many display rows of that line
// lie below the pane's bottom edge (a stored line wider than the pane takes several display
// rows), and `page` the number of rows that fit. While the player has not scrolled away from
// the end the pane follows new lines; once scrolled back it stays put until the player returns
// to the bottom.
//
// The scroll bar counts stored lines: its value is `position`. Steps (a line, a page, the
// wheel) move by display rows, so every row of a line taller than the pane can be brought into
// sight. How many display rows a line takes is asked of the pane (setRowCount); without it
// every line is one row.
class Viewport {
public:
    using RowCount = std::function<int(int line)>;

    // Rows of `lineHeight` that fit a pane of `height` pixels, leaving half a row of margin.
    static int pageFor(int height, int lineHeight);

    void setRowCount(RowCount rows) { rows_ = std::move(rows); }
    void setPage(int page) { page_ = page < 0 ? 0 : page; }
    // New lines arrived (or the buffer was cleared): follow them unless scrolled back.
    void follow(int lineCount);
    // The scroll bar's range: 0 to page + lines - 1, so the thumb's bottom reaches the end.
    int scrollMaximum(int lineCount) const;

    // Moves to a new bottom line (clamped), its last row at the bottom; reaching the end
    // resumes following.
    void scrollTo(int position, int lineCount);
    void lineUp(int lineCount) { rowsUp(1, lineCount); }
    void lineDown(int lineCount) { rowsDown(1, lineCount); }
    void pageUp(int lineCount) { rowsUp(page_, lineCount); }
    void pageDown(int lineCount) { rowsDown(page_, lineCount); }
    void rowsUp(int rows, int lineCount);
    void rowsDown(int rows, int lineCount);
    // Brings a line into sight, as Find does: unchanged when all its rows are visible; the end
    // of the buffer when the line is within the last page; otherwise the line about half a
    // page above the bottom (lower when it is tall, so its first row shows). Following is not
    // changed, so a following view jumps back to the end with the next line.
    void scrollToLine(int line, int lineCount);
    // Lines were dropped off the top of the buffer: a scrolled-back view moves up with its text,
    // so it keeps showing the same lines; when they are gone it shows the first row of line 0.
    void linesDropped(int count);
    // End, Ctrl+End, or a command sent: back to the end, following new lines again.
    void scrollToEnd(int lineCount);
    // After "Clear": the one remaining line at the bottom.
    void reset() {
        position_ = 0;
        rowsBelow_ = 0;
        linesAtScrollBack_ = 0;
    }

    // The line under a point `y` pixels from the top of a pane `height` high, or nothing when
    // the point is above the first row; a point below the last row is on the last row.
    std::optional<int> lineAt(int y, int height, int lineHeight) const;
    // The top of the row that shows the bottom line; rows above it step up by lineHeight.
    static int bottomRowTop(int height, int lineHeight);

    int position() const { return position_; }
    int rowsBelow() const { return rowsBelow_; }
    int page() const { return page_; }
    bool scrolledBack() const { return scrolledBack_; }
    // Lines stored since the player scrolled away from the end (0 while following): the text a
    // pane scrolled back has not shown, which the "more below" marker tells of.
    int linesSinceScrollBack(int lineCount) const {
        return scrolledBack_ ? std::max(0, lineCount - linesAtScrollBack_) : 0;
    }
    // The display rows of a line (at least one).
    int rowsOf(int line) const;

private:
    void settle(int lineCount);
    bool lineFullyVisible(int line) const;

    int position_ = 0;
    int rowsBelow_ = 0;
    int page_ = 0;
    bool scrolledBack_ = false;
    int linesAtScrollBack_ = 0;
    RowCount rows_;
};

} // namespace vesk
