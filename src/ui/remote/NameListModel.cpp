#include "remote/NameListModel.h"

#include "common/TextBoundary.h"

#include <limits>

namespace vesk {

NameListModel::NameListModel(Source source, QObject* parent)
    : QAbstractListModel(parent), source_(std::move(source)), generation_(source_.generation()),
      rows_(static_cast<int>(source_.count())) {}

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

// Until follow() has run, the rows the view knows are the last ones of the core list.
std::optional<std::size_t> NameListModel::itemOf(const QModelIndex& index) const {
    const std::size_t count = source_.count();
    if (!index.isValid() || index.model() != this || source_.generation() != generation_ ||
        index.row() >= rows_ || static_cast<std::size_t>(rows_) > count) {
        return std::nullopt;
    }
    return count - static_cast<std::size_t>(rows_) + static_cast<std::size_t>(index.row());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    const std::optional<std::size_t> found = itemOf(index);
    if (!found) {
        return {};
    }
    const std::size_t item = *found;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return toQString(source_.name(item));
    case Qt::DecorationRole:
        return source_.icon ? source_.icon(item) : QIcon();
    default:
        return {};
    }
}

int NameListModel::follow() {
    const std::size_t count =
        std::min<std::size_t>(source_.count(), std::numeric_limits<int>::max());
    if (source_.generation() != generation_ || count < static_cast<std::size_t>(rows_)) {
        beginResetModel();
        generation_ = source_.generation();
        rows_ = static_cast<int>(count);
        endResetModel();
        return -1;
    }
    const int added = static_cast<int>(count) - rows_;
    if (added > 0) {
        beginInsertRows({}, 0, added - 1);
        rows_ += added;
        endInsertRows();
    }
    return added;
}

} // namespace vesk
