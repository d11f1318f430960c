#pragma once

#include "social/WhoListView.h"

#include <QTreeWidget>

namespace vesk {

// The drawing area of the "Who List": one row per player in the chosen order, the columns
// the options select, friends in bold with a star. Everything shown is plain text.
class WhoListTable : public QTreeWidget {
    Q_OBJECT
public:
    explicit WhoListTable(QWidget* parent = nullptr);

    void showRows(const std::vector<WhoRow>& rows, const std::vector<WhoColumn>& columns);
    // The table column that shows a who-list column, or -1 when it is hidden.
    int columnOf(WhoColumn column) const;

private:
    void setColumns(const std::vector<WhoColumn>& columns);
    QTreeWidgetItem* makeItem(const WhoRow& row) const;

    std::vector<WhoColumn> columns_;
};

} // namespace vesk
