#pragma once

#include "display/ColourPalette.h"
#include "display/SplitLayout.h"

#include <QWidget>

class QLabel;

namespace vesk {

class OutputView;
class TextBuffer;

// The main output view, split while the player reads back: the upper part keeps the place
// scrolled to, the lower part (the tail) follows the newest text, and a divider between them
// sets the tail's share when dragged. A "more below" marker shows at the foot of the upper
// part while new text arrives below it. Joined (End, a command sent, the wheel or the scroll
// bar at the end) the upper part is the whole pane again. Both parts draw the one buffer with
// one selection; the tail has no scroll bar of its own, and the wheel over it scrolls the upper
// part.
class OutputPane : public QWidget {
    Q_OBJECT
public:
    OutputPane(TextBuffer& buffer, QWidget* parent = nullptr);

    OutputView& upper() { return *upper_; }
    OutputView& tail() { return *tail_; }
    bool split() const { return layout_.split; }
    bool moreBelowShown() const;
    const SplitLayout& currentLayout() const { return layout_; }
    // The tail's share of the pane, in percent (the player's setting).
    void setTailShare(int percent);
    int tailShare() const { return tailPercent_; }
    // Both parts draw with the main font.
    void setTextFont(const QFont& font);
    // The text panes' colours; the divider and the marker take the selection colour.
    void setColours(const ColourPalette& palette);
    QWidget& divider() { return *divider_; }

signals:
    // The player let go of the divider: the share to keep.
    void tailShareChosen(int percent);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void relayout();
    bool dividerEvent(QEvent* event);

    TextBuffer& buffer_;
    OutputView* upper_ = nullptr;
    OutputView* tail_ = nullptr;
    QWidget* divider_ = nullptr;
    QLabel* marker_ = nullptr;
    SplitLayout layout_;
    int tailPercent_ = SplitLayout::defaultTailPercent;
    bool dragging_ = false;
};

} // namespace vesk
