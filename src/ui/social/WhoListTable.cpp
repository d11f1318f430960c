#include "social/WhoListTable.h"

#include "common/TextBoundary.h"

#include <QHeaderView>

namespace vesk {
namespace {

// Column 0 holds only the friend's star, so the marking survives any choice of columns.
constexpr int starColumn = 0;
const QString star = QString(QChar(0x2605));

} // namespace

WhoListTable::WhoListTable(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The window's "Sort:" row decides the order; a header click must not fight it.
    setSortingEnabled(false);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(true);
}

int WhoListTable::columnOf(WhoColumn column) const {
    for (std::size_t index = 0; index < columns_.size(); ++index) {
        if (columns_[index] == column) {
            return static_cast<int>(index) + 1;
        }
    }
    return -1;
}

void WhoListTable::setColumns(const std::vector<WhoColumn>& columns) {
    if (columns == columns_ && columnCount() == static_cast<int>(columns.size()) + 1) {
        return;
    }
    columns_ = columns;
    QStringList labels{QString()};
    for (WhoColumn column : columns_) {
        labels << toQString(WhoListView::heading(column));
    }
    setColumnCount(static_cast<int>(labels.size()));
    setHeaderLabels(labels);
    header()->setSectionResizeMode(starColumn, QHeaderView::Fixed);
    setColumnWidth(starColumn, fontMetrics().horizontalAdvance(star) + 12);
    for (int column = 1; column < columnCount(); ++column) {
        header()->setSectionResizeMode(column, QHeaderView::Interactive);
    }
    if (const int level = columnOf(WhoColumn::Level); level > 0) {
        headerItem()->setTextAlignment(level, Qt::AlignRight | Qt::AlignVCenter);
    }
}

QTreeWidgetItem* WhoListTable::makeItem(const WhoRow& row) const {
    auto* item = new QTreeWidgetItem;
    for (std::size_t index = 0; index < columns_.size(); ++index) {
        const int column = static_cast<int>(index) + 1;
        item->setText(column, toQString(WhoListView::cellText(row.entry, columns_[index])));
        if (columns_[index] == WhoColumn::Level) {
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    if (row.isFriend) {
        item->setText(starColumn, star);
        item->setTextAlignment(starColumn, Qt::AlignCenter);
        item->setForeground(starColumn, QColor(204, 140, 0));
        item->setToolTip(starColumn, tr("On one of your friends lists"));
        QFont bold = font();
        bold.setBold(true);
        for (int column = 0; column < columnCount(); ++column) {
            item->setFont(column, bold);
        }
    }
    return item;
}

void WhoListTable::showRows(const std::vector<WhoRow>& rows,
                            const std::vector<WhoColumn>& columns) {
    setColumns(columns);
    setUpdatesEnabled(false);
    clear();
    QList<QTreeWidgetItem*> items;
    for (const auto& row : rows) {
        items << makeItem(row);
    }
    addTopLevelItems(items);
    // Contents width plus a gap, so neighbouring words never run together.
    for (int column = 1; column + 1 < columnCount(); ++column) {
        resizeColumnToContents(column);
        setColumnWidth(column, columnWidth(column) + 14);
    }
    setUpdatesEnabled(true);
}

} // namespace vesk
