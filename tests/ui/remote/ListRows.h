#pragma once

#include <QAbstractItemView>
#include <QIcon>
#include <QStringList>

namespace vesk::testing {

// The texts of a list's rows, top to bottom.
inline QStringList Texts(const QAbstractItemView& list) {
    QStringList texts;
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        texts << list.model()->index(row, 0).data().toString();
    }
    return texts;
}

// Where a list draws a row, in its viewport.
inline QRect RowRect(const QAbstractItemView& list, int row) {
    return list.visualRect(list.model()->index(row, 0));
}

inline QIcon RowIcon(const QAbstractItemView& list, int row) {
    return list.model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>();
}

// The first row showing this text, or -1.
inline int RowOf(const QAbstractItemView& list, const QString& text) {
    return static_cast<int>(Texts(list).indexOf(text));
}

inline void SelectRow(QAbstractItemView& list, int row) {
    list.setCurrentIndex(list.model()->index(row, 0));
}

} // namespace vesk::testing
