#pragma once

#include "common/FramePacer.h"
#include "display/ArrivingText.h"
#include "display/ColourPalette.h"
#include "display/DroppedLines.h"
#include "display/LineLayout.h"
#include "display/TextMeasure.h"
#include "display/TextOffsets.h"
#include "display/TextSelection.h"
#include "display/Viewport.h"

#include <QFont>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>

#include <memory>
#include <optional>

namespace vesk {

class TextBuffer;

// A text pane: draws one TextBuffer bottom-up in its colours, keeps the scroll position (following
// new lines until the player scrolls back), and turns mouse gestures into a selection. A stored
// line wider than the pane is broken into as many display rows as it needs (after a blank
// where there is one), worked out again after a resize or a font change. It lays out and paints
// only the rows that are visible, so a repaint costs the same with a hundred lines or a million;
// the buffer changing only schedules a repaint, so a flood costs one paint a frame.
class OutputView : public QWidget {
    Q_OBJECT
public:
    // A second view of the same buffer (the live tail of a split view) shares the first one's
    // selection, so what is selected in either part is the one selection copied.
    OutputView(TextBuffer& buffer, QWidget* parent = nullptr,
               TextSelection* sharedSelection = nullptr);
    ~OutputView() override;

    void setScrollBar(QScrollBar* bar);
    void setTextFont(const QFont& font);
    void setColours(const ColourPalette& palette);
    // The buffer changed: follow it (unless scrolled back) and repaint within a frame.
    void refresh();

    void lineUp() { scrollBy(&Viewport::lineUp); }
    void lineDown() { scrollBy(&Viewport::lineDown); }
    void pageUp() { scrollBy(&Viewport::pageUp); }
    void pageDown() { scrollBy(&Viewport::pageDown); }
    void scrollToLine(int line);
    // Back to the end of the buffer, following new lines again.
    void scrollToEnd();
    // "Clear": one blank line remains, shown at the bottom.
    void clear();
    // Selects all of the scroll-back.
    void selectAll();

    TextSelection& selection() { return selection_; }
    TextBuffer& buffer() { return buffer_; }
    // Tells a screen reader of new text as it arrives (the main view does); `ownCommands`
    // whether the player's own echoed commands are told of too.
    void setAnnounces(bool announces, bool ownCommands);
    // What a screen reader reads: the whole scroll-back as one text.
    TextOffsets& offsets() { return offsets_; }
    // Where a character is drawn, when it is on screen.
    std::optional<QRect> characterRect(TextPosition position);
    const Viewport& viewport() const { return viewport_; }
    int lineHeight() const { return lineHeight_; }
    const QFont& textFont() const { return font_; }
    // How many display rows a stored line takes in the pane as it is now.
    int displayRowsOf(int line);

    // The line and plain-text column of the character under a point of the pane (the column
    // just past a row's text when the point is beyond it).
    std::optional<TextPosition> hitTest(QPoint point);
    // The gap between characters nearest to a point, where a selection starts or ends: a point
    // on the right half of a character, or past a row's end, takes that character in.
    std::optional<TextPosition> boundaryAt(QPoint point);
    // The word under a point for the right-click menu.
    std::optional<std::string> wordAt(QPoint point, std::string_view delimiters);

    // Gestures the main window forwards (it clears both panes' selections first).
    void beginSelection(QPoint point);
    void dragSelection(QPoint point);
    void endSelection(QPoint point);

    // Whether the mouse wheel scrolls this pane (the main view) or not (the chat pane).
    void setWheelScrolls(bool scrolls) { wheelScrolls_ = scrolls; }

signals:
    // The left button went down on this pane, before its selection starts: the main window
    // clears the selections of both panes.
    void leftPressed();
    // A drag finished on this pane; with easy copy on, the main window copies it.
    void selectionFinished();
    void menuRequested(QPoint position);
    // The place shown moved, or the buffer changed under it (a split view follows this).
    void viewChanged();
    // The player changed the selection in this pane.
    void selectionChanged();
    // Ctrl and the wheel: larger (+1) or smaller (-1) text, one step per notch.
    void zoomRequested(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // A display row on screen: which stored line, which of its rows, and the row's top.
    struct ScreenRow {
        int line = 0;
        int row = 0;
        int top = 0;
    };
    struct Spot {
        int line = 0;
        int column = 0;   // the character under the point, or the row's end past its text
        int boundary = 0; // the nearest gap between characters
        int rowEnd = 0;
    };

    void prepareLayouts();
    void followDroppedLines();
    double availableWidth() const;
    std::vector<ScreenRow> visibleRows();
    std::optional<Spot> spotAt(QPoint point);
    void scrollBy(void (Viewport::*step)(int));
    void updateScrollBar();
    void updateScrollRange();
    void announceSoon();
    void announce();
    void onScrollBarAction(int action);
    void paintRow(QPainter& painter, const ScreenRow& screenRow);
    void paintRun(QPainter& painter, const LaidOutRun& run, int line, int from, int to, double x,
                  int top);

    TextBuffer& buffer_;
    std::unique_ptr<TextSelection> ownSelection_;
    TextSelection& selection_;
    DroppedLines dropped_;
    TextOffsets offsets_;
    ArrivingText arriving_;
    bool announces_ = false;
    bool announceOwnCommands_ = true;
    bool announcePending_ = false;
    Viewport viewport_;
    ColourPalette colours_;
    QFont font_;
    TextMeasure measure_;
    LineLayouts layouts_;
    int lineHeight_ = 16;
    int ascent_ = 12;
    QPointer<QScrollBar> scrollBar_;
    bool updatingScrollBar_ = false;
    bool wheelScrolls_ = true;
    int zoomWheelDelta_ = 0;
    FramePacer repaints_;
};

} // namespace vesk
