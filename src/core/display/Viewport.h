#pragma once

#include <optional>

namespace vesk {

// Which stretch of a buffer a text pane shows. Rows are laid out from the bottom: `position` is
// the index of the bottom visible line plus one, `page` the number of rows that fit. While the
// player has not scrolled away from the end the pane follows new lines; once scrolled back it
// stays put until the player returns to the bottom.
class Viewport {
public:
    // Rows of `lineHeight` that fit a pane of `height` pixels, leaving half a row of margin.
    static int PageFor(int height, int lineHeight);

    void setPage(int page) { page_ = page < 0 ? 0 : page; }
    // New lines arrived (or the buffer was cleared): follow them unless scrolled back.
    void follow(int lineCount);
    // The scroll bar's range: 0 to page + lines - 1, so the thumb's bottom reaches the end.
    int scrollMaximum(int lineCount) const;

    // Moves to a new bottom position (clamped); reaching the end resumes following.
    void scrollTo(int position, int lineCount);
    void lineUp(int lineCount) { scrollTo(position_ - 1, lineCount); }
    void lineDown(int lineCount) { scrollTo(position_ + 1, lineCount); }
    void pageUp(int lineCount) { scrollTo(position_ - page_, lineCount); }
    void pageDown(int lineCount) { scrollTo(position_ + page_, lineCount); }
    // Brings a line into sight, as Find does; following is not changed, so a following view
    // jumps back to the end with the next line.
    void scrollToLine(int line, int lineCount);
    // After "Clear": the one remaining line at the bottom.
    void reset() { position_ = 0; }

    // The line under a point `y` pixels from the top of a pane `height` high, or nothing when
    // the point is above the first row or below the last.
    std::optional<int> lineAt(int y, int height, int lineHeight) const;
    // The top of the row that shows the bottom line; rows above it step up by lineHeight.
    static int bottomRowTop(int height, int lineHeight);

    int position() const { return position_; }
    int page() const { return page_; }
    bool scrolledBack() const { return scrolledBack_; }

private:
    int position_ = 0;
    int page_ = 0;
    bool scrolledBack_ = false;
};

} // namespace vesk
