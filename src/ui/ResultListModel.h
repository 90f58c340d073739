#pragma once
// An append-only list model for the visual log's result lists. A run appends tens of thousands
// of paths; they are buffered and handed to the views in one insertion per flush, so the cost of
// an append is a string copy and the views update once per repaint tick.

#include <QAbstractListModel>

#include <string>
#include <vector>

namespace dirforge::ui {

/// Rows in the order they were appended; no sorting, no duplicate test (a log shows what happened).
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    /// Buffers one entry; it becomes a row at the next flush().
    void append(std::string entry);
    /// Moves every buffered entry into the model with one row insertion.
    void flush();
    /// Drops every row and every buffered entry.
    void clear();

    /// The rows (flushed entries) in order.
    const std::vector<std::string>& entries() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<std::string> rows_;
    std::vector<std::string> pending_;
};

} // namespace dirforge::ui
