#include "ui/ResultListModel.h"

#include <iterator>

namespace dirforge::ui {

void ResultListModel::append(std::string entry) {
    pending_.push_back(std::move(entry));
}

void ResultListModel::flush() {
    if (pending_.empty())
        return;
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(pending_.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(pending_.begin()), std::make_move_iterator(pending_.end()));
    pending_.clear();
    endInsertRows();
}

void ResultListModel::clear() {
    pending_.clear();
    if (rows_.empty())
        return;
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size()))
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return QString::fromStdString(rows_[static_cast<std::size_t>(index.row())]);
    return {};
}

} // namespace dirforge::ui
