#pragma once

#include "display/ColourPalette.h"
#include "display/ColourRuns.h"
#include "display/TextSelection.h"
#include "display/Viewport.h"

#include <QFont>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>

#include <optional>
#include <vector>

namespace vesk {

class TextBuffer;

// A text pane: draws one TextBuffer bottom-up in its colours, keeps the scroll position (following
// new lines until the player scrolls back), and turns mouse gestures into a selection. It paints
// only the rows that are visible, so a repaint costs the same with a hundred lines or a million;
// the buffer changing only schedules a repaint, so a flood costs one paint per event-loop turn.
class OutputView : public QWidget {
    Q_OBJECT
public:
    OutputView(TextBuffer& buffer, QWidget* parent = nullptr);

    void setScrollBar(QScrollBar* bar);
    void setTextFont(const QFont& font);
    void setColours(const ColourPalette& palette);
    // The buffer changed: follow it (unless scrolled back) and repaint at the next turn.
    void refresh();

    void lineUp() { scrollBy(&Viewport::lineUp); }
    void lineDown() { scrollBy(&Viewport::lineDown); }
    void pageUp() { scrollBy(&Viewport::pageUp); }
    void pageDown() { scrollBy(&Viewport::pageDown); }
    void scrollToLine(int line);
    // "Clear": one blank line remains, shown at the bottom.
    void clear();

    TextSelection& selection() { return selection_; }
    const Viewport& viewport() const { return viewport_; }
    int lineHeight() const { return lineHeight_; }
    const QFont& textFont() const { return font_; }

    // The line and plain-text column under a point of the pane, as the selection uses them.
    std::optional<TextPosition> hitTest(QPoint point) const;
    // The word under a point for the right-click menu.
    std::optional<std::string> wordAt(QPoint point, std::string_view delimiters) const;

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void scrollBy(void (Viewport::*step)(int));
    void updateScrollBar();
    void onScrollBarAction(int action);
    SgrState paintLine(QPainter& painter, int lineIndex, int top, SgrState state);
    void paintRun(QPainter& painter, const ColourRun& run, int lineIndex, int& x, int top);
    int columnAt(int lineIndex, int x) const;

    TextBuffer& buffer_;
    TextSelection selection_;
    Viewport viewport_;
    ColourPalette colours_;
    QFont font_;
    int lineHeight_ = 16;
    int ascent_ = 12;
    QPointer<QScrollBar> scrollBar_;
    bool updatingScrollBar_ = false;
    bool wheelScrolls_ = true;
    mutable std::vector<ColourRun> runs_;
};

} // namespace vesk
