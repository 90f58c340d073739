#pragma once
// An append-only list model for the visual log's result lists. A run appends up to a million
// paths, mostly below one folder; each is kept as the rest after that shared folder, packed in
// large blocks with one small index entry per row, so the log costs less than the text it shows.
// Appended entries become rows in one insertion per flush, so the views update once per repaint
// tick.

#include <QAbstractListModel>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dirforge::ui {

/// Rows in the order they were appended; no sorting, no duplicate test (a log shows what happened).
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    /// Keeps one entry; it becomes a row at the next flush().
    void append(std::string_view entry);
    /// Makes every entry appended since the last flush a row, with one row insertion.
    void flush();
    /// Drops every row, every entry waiting for flush() and every cause.
    void clear();
    /// Why the entry at path failed: its row's tooltip shows it after the path.
    void setReason(const std::string& path, const std::string& reason);
    /// The cause given for path; empty when none was.
    std::string reasonOf(const std::string& path) const;
    /// True when entries wait for flush().
    bool hasPending() const { return shown_ < rows_.size(); }

    /// The number of rows (flushed entries).
    std::size_t size() const { return shown_; }
    /// The text of a row.
    std::string at(std::size_t row) const;
    /// The rows in order, as copies.
    std::vector<std::string> entries() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    /// Where a row's kept text starts; it ends where the next row of its block starts, or at
    /// the block's end. A prefixed row leaves out the shared folder in front.
    struct Row {
        std::uint32_t block : 31;
        std::uint32_t prefixed : 1;
        std::uint32_t offset;
    };
    std::string_view kept(std::size_t row) const;

    /// The folder (up to its last backslash) of the first entry since the last clear.
    std::string prefix_;
    /// Blocks are reserved once and never grow past it, so appending never moves text.
    std::vector<std::string> blocks_;
    std::vector<Row> rows_;
    std::size_t shown_ = 0;
    /// Only failed entries have one: few beside the rows.
    std::unordered_map<std::string, std::string> reasons_;
};

} // namespace dirforge::ui
