#include "social/WhoListWindow.h"

#include "common/TextBoundary.h"
#include "common/WindowPlacement.h"
#include "preferences/Preferences.h"
#include "social/WhoListTable.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk {
namespace {

struct SortChoice {
    const char* label;
    WhoSort sort;
};
// The settings hold the inside size.
const WindowPlacement::Keys placementKeys{setting::whoLocation, setting::whoDimensions,
                                          WindowPlacement::Size::Inner};

constexpr SortChoice sortChoices[] = {{"Level", WhoSort::Level},
                                      {"Class", WhoSort::Class},
                                      {"Race", WhoSort::Race},
                                      {"Friends", WhoSort::Friends}};

QString counted(std::size_t count, const QString& one, const QString& many) {
    return QString::number(count) + " " + (count == 1 ? one : many);
}

} // namespace

WhoListWindow::WhoListWindow(const WhoList& list, Preferences& preferences, QWidget* parent)
    : QDialog(parent), list_(list), preferences_(preferences) {
    setWindowTitle(tr("Who List"));
    setModal(false);
    table_ = new WhoListTable(this);
    table_->setAccessibleName(tr("Who is online"));
    summary_ = new QLabel(this);
    summary_->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    sortRow_ = buildSortRow();
    layout->addWidget(sortRow_);
    layout->addWidget(table_, 1);
    layout->addWidget(summary_);
    setMinimumSize(260, 200);
    rebuild();
    restorePlacement();
}

QWidget* WhoListWindow::buildSortRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Sort:"), row));
    sortChoices_ = new QButtonGroup(row);
    for (const auto& choice : sortChoices) {
        auto* button = new QRadioButton(tr(choice.label), row);
        button->setObjectName(choice.label);
        button->setChecked(choice.sort == view_.sort());
        sortChoices_->addButton(button, static_cast<int>(choice.sort));
        layout->addWidget(button);
    }
    layout->addStretch(1);
    connect(sortChoices_, &QButtonGroup::idClicked, this,
            [this](int id) { setSort(static_cast<WhoSort>(id)); });
    return row;
}

void WhoListWindow::setSort(WhoSort sort) {
    view_.setSort(sort);
    if (QAbstractButton* button = sortChoices_->button(static_cast<int>(sort))) {
        button->setChecked(true);
    }
    rebuild();
}

void WhoListWindow::refresh() {
    if (rebuildQueued_) {
        return;
    }
    rebuildQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        rebuildQueued_ = false;
        rebuild();
    });
}

void WhoListWindow::rebuild() {
    const auto rows = view_.rows(list_, preferences_.friends);
    table_->showRows(rows, WhoListView::columns(preferences_.settings));
    const auto friends =
        std::ranges::count_if(rows, [](const WhoRow& row) { return row.isFriend; });
    summary_->setText(counted(rows.size(), tr("player online"), tr("players online")) +
                      QStringLiteral("  \u00b7  ") +
                      counted(static_cast<std::size_t>(friends), tr("friend"), tr("friends")));
}

// (0, 0) is the never-moved default: the window system (or the main window, at the first
// start) places the window then. A place on a screen that is gone comes back on a visible one.
void WhoListWindow::restorePlacement() {
    QRect place = WindowPlacement::recorded(preferences_.settings, placementKeys);
    if (place.size() == WindowPlacement::recorded(Settings{}, placementKeys).size()) {
        place.setSize(sizeShowingEveryColumn());
    }
    place.setSize(place.size().expandedTo(minimumSize()));
    if (place.topLeft().isNull()) {
        resize(place.size());
        return;
    }
    WindowPlacement::restore(*this, place, placementKeys.size);
}

// Room for the "Sort:" row and for every column the window offers, each as wide as its heading
// or a typical entry, and for a dozen players.
QSize WhoListWindow::sizeShowingEveryColumn() const {
    const QFontMetrics metrics(table_->font());
    const int gap = 14 + 2 * table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    struct Column {
        WhoColumn column;
        int typicalCharacters;
    };
    constexpr Column columns[] = {{WhoColumn::Level, 5},
                                  {WhoColumn::Name, 13},
                                  {WhoColumn::Race, 10},
                                  {WhoColumn::Class, 12}};
    int tableWidth = table_->columnWidth(0);
    for (const Column& each : columns) {
        const QString heading = toQString(WhoListView::heading(each.column));
        const int headingWidth = metrics.horizontalAdvance(heading) + gap + 8;
        const int entryWidth = metrics.averageCharWidth() * each.typicalCharacters + gap;
        // Entries already listed count as they are.
        const int shown = table_->columnOf(each.column);
        const int listedWidth = shown > 0 ? table_->columnWidth(shown) : 0;
        tableWidth += std::max({headingWidth, entryWidth, listedWidth});
    }
    tableWidth += 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    const QMargins margins = layout()->contentsMargins();
    const int width =
        std::max(tableWidth, sortRow_->sizeHint().width()) + margins.left() + margins.right();
    const int rows = 12;
    const int tableHeight = table_->header()->sizeHint().height() + rows * (metrics.height() + 6) +
                            2 * table_->frameWidth();
    const int height = margins.top() + sortRow_->sizeHint().height() + tableHeight +
                       summary_->sizeHint().height() + 2 * layout()->spacing() + margins.bottom();
    return {width, height};
}

bool WhoListWindow::neverPlaced() const {
    return WindowPlacement::recorded(preferences_.settings, placementKeys).topLeft().isNull();
}

// At the first start the list opens beside the main window, to its right or else its left,
// where the screen has room for the whole list; without room it goes to the screen's right edge,
// over the status pane rather than the game text.
void WhoListWindow::placeBeside(const QRect& mainFrame) {
    // The platform window first, so its frame counts in the size where it is known this early.
    create();
    const QSize size = frameGeometry().size();
    const QRect right(QPoint(mainFrame.right() + 1 + gapBeside, mainFrame.top()), size);
    const QRect left(QPoint(mainFrame.left() - gapBeside - size.width(), mainFrame.top()), size);
    const QList<QRect> screens = WindowPlacement::screenAreas();
    for (const QRect& candidate : {right, left}) {
        for (const QRect& screen : screens) {
            if (screen.contains(candidate)) {
                move(candidate.topLeft());
                return;
            }
        }
    }
    move(WindowPlacement::insideScreen(right, screens).topLeft());
}

void WhoListWindow::recordPlacement() {
    if (isVisible()) {
        WindowPlacement::record(*this, preferences_.settings, placementKeys);
    }
}

// Where the client placed it (the first start) is recorded as soon as it shows.
void WhoListWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    recordPlacement();
    rebuild();
    emit shownChanged(true);
}

void WhoListWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    emit shownChanged(false);
}

void WhoListWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    recordPlacement();
}

void WhoListWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    recordPlacement();
}

} // namespace vesk
