#pragma once

#include "status/StatusScrollBar.h"
#include "status/StatusView.h"

#include <QPointer>
#include <QWidget>

namespace vesk {

// The floating "Status Window": a resizable tool window with its own status view, the view's
// scroll bar and, when the lag meter is on, the lag read-out and bar along the bottom (the main
// window hands those in). It opens where the player last left it and records every move and
// resize in the settings.
class StatusFrameWindow : public QWidget {
    Q_OBJECT
public:
    StatusFrameWindow(StatusModel& model, Preferences& preferences, QWidget* parent = nullptr);

    StatusView& view() { return *view_; }
    StatusScrollBar& scrollBar() { return *scrollBar_; }
    bool scrollBarNeeded() const { return scrollBarNeeded_; }

    // The lag read-out and bar become children of this window and are laid out along its
    // bottom while shown. Either may be null for no lag display; once the main window gives
    // them another parent they are left alone and the view takes the whole height.
    void setLagDisplay(QWidget* readout, QWidget* bar, bool shown);
    void setLagMeterShown(bool shown);
    // Moves and sizes the window as the settings say.
    void placeFromSettings();

signals:
    // The player closed the window with its close button.
    void closedByUser();

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void updateScrollBar(int contentHeight);
    void placeChildren();
    bool ownsLagDisplay() const;

    Preferences& preferences_;
    StatusView* view_;
    StatusScrollBar* scrollBar_;
    QPointer<QWidget> lagReadout_;
    QPointer<QWidget> lagBar_;
    bool lagShown_ = false;
    bool scrollBarNeeded_ = false;
    // Moves and resizes are recorded only once the window stands where the settings put it.
    bool recording_ = false;
};

} // namespace vesk
