#pragma once

#include "social/WhoListView.h"

#include <QDialog>

class QButtonGroup;
class QLabel;

namespace vesk {

class Preferences;
class WhoListTable;

// The "Who List" window: who is logged on to FenmarchMUD, sorted by the "Sort:" row, with
// friends marked. It keeps its place and size in the "Friends" section's Location and
// Dimensions. The server's LOGON and LOGOFF reach the who list only while this window is
// shown, so the main window follows shownChanged.
class WhoListWindow : public QDialog {
    Q_OBJECT
public:
    WhoListWindow(const WhoList& list, Preferences& preferences, QWidget* parent = nullptr);

    // The who list, the friends lists or the column options changed. Several calls in one
    // turn of the event loop rebuild the table once.
    void refresh();
    // The rebuild itself, at once.
    void rebuild();

    void setSort(WhoSort sort);
    WhoSort sort() const { return view_.sort(); }
    WhoListTable& table() { return *table_; }
    // The first size: the "Sort:" row and every column the window offers, unshortened.
    QSize sizeShowingEveryColumn() const;
    // No place was ever recorded (the first start).
    bool neverPlaced() const;
    // Beside the main window's frame, this far from it, on a visible screen.
    void placeBeside(const QRect& mainFrame);
    static constexpr int gapBeside = 8;

signals:
    void shownChanged(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildSortRow();
    void restorePlacement();
    void recordPlacement();

    const WhoList& list_;
    Preferences& preferences_;
    WhoListView view_;
    WhoListTable* table_ = nullptr;
    QWidget* sortRow_ = nullptr;
    QButtonGroup* sortChoices_ = nullptr;
    QLabel* summary_ = nullptr;
    bool rebuildQueued_ = false;
};

} // namespace vesk
