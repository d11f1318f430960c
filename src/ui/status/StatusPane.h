#pragma once

#include "status/StatusScrollBar.h"
#include "status/StatusView.h"

#include <QWidget>

namespace vesk {

// The status view docked beside the main window's output, with its scroll bar at the right
// edge while the contents are taller than the pane. The main window places the pane; when the
// bar comes or goes the pane says so, and the main window widens or narrows it by the bar's
// width, so the view itself keeps its width.
class StatusPane : public QWidget {
    Q_OBJECT
public:
    static constexpr int defaultScrollBarWidth = 13;

    StatusPane(StatusModel& model, Preferences& preferences, QWidget* parent = nullptr);

    StatusView& view() { return *view_; }
    StatusScrollBar& scrollBar() { return *scrollBar_; }
    bool scrollBarNeeded() const { return scrollBarNeeded_; }
    void setScrollBarWidth(int width);
    int scrollBarWidth() const { return scrollBarWidth_; }

signals:
    void scrollBarNeededChanged(bool needed);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateScrollBar(int contentHeight);
    void placeChildren();

    StatusView* view_;
    StatusScrollBar* scrollBar_;
    int scrollBarWidth_ = defaultScrollBarWidth;
    bool scrollBarNeeded_ = false;
};

} // namespace vesk
