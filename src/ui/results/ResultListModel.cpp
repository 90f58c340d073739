#include "ui/results/ResultListModel.h"

#include <algorithm>

namespace dirforge::ui {

namespace {

/// Large enough that a block's own bookkeeping is negligible, small enough that the unused end
/// of the last one does not matter.
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

} // namespace

void ResultListModel::append(std::string_view entry) {
    if (rows_.empty())
        prefix_ = entry.substr(0, entry.rfind('\\') + 1); // npos + 1: no folder, no prefix
    const bool prefixed = !prefix_.empty() && entry.substr(0, prefix_.size()) == prefix_;
    if (prefixed)
        entry.remove_prefix(prefix_.size());
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < entry.size()) {
        blocks_.emplace_back();
        blocks_.back().reserve(std::max(kBlockBytes, entry.size()));
    }
    std::string& block = blocks_.back();
    rows_.push_back({static_cast<std::uint32_t>(blocks_.size() - 1), prefixed,
                     static_cast<std::uint32_t>(block.size())});
    block.append(entry);
}

void ResultListModel::flush() {
    if (!hasPending())
        return;
    beginInsertRows({}, static_cast<int>(shown_), static_cast<int>(rows_.size()) - 1);
    shown_ = rows_.size();
    endInsertRows();
}

void ResultListModel::clear() {
    const bool hadRows = shown_ > 0;
    if (hadRows)
        beginResetModel();
    blocks_.clear();
    rows_.clear();
    prefix_.clear();
    shown_ = 0;
    reasons_.clear();
    if (hadRows)
        endResetModel();
}

std::string_view ResultListModel::kept(std::size_t row) const {
    const Row start = rows_[row];
    const std::string& block = blocks_[start.block];
    const bool nextInBlock = row + 1 < rows_.size() && rows_[row + 1].block == start.block;
    const std::size_t end = nextInBlock ? rows_[row + 1].offset : block.size();
    return std::string_view(block).substr(start.offset, end - start.offset);
}

std::string ResultListModel::at(std::size_t row) const {
    const std::string_view rest = kept(row);
    if (!rows_[row].prefixed)
        return std::string(rest);
    std::string text;
    text.reserve(prefix_.size() + rest.size());
    text.append(prefix_).append(rest);
    return text;
}

std::vector<std::string> ResultListModel::entries() const {
    std::vector<std::string> rows;
    rows.reserve(shown_);
    for (std::size_t row = 0; row < shown_; ++row)
        rows.push_back(at(row));
    return rows;
}

void ResultListModel::setReason(const std::string& path, const std::string& reason) {
    reasons_.insert_or_assign(path, reason);
}

std::string ResultListModel::reasonOf(const std::string& path) const {
    const auto found = reasons_.find(path);
    return found != reasons_.end() ? found->second : std::string();
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_);
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    std::string text = at(static_cast<std::size_t>(index.row()));
    if (role == Qt::ToolTipRole && !reasons_.empty())
        if (const auto found = reasons_.find(text); found != reasons_.end())
            text += "  (" + found->second + ")";
    return QString::fromStdString(text);
}

} // namespace dirforge::ui
