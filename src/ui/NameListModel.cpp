#include "ui/NameListModel.h"

#include "core/CaseFold.h"
#include "ui/QtText.h"

#include <unordered_set>

namespace dirforge::ui {

NameListModel::NameListModel(core::NameList::Order order, QObject* parent)
    : QAbstractListModel(parent), owned_(std::make_unique<core::NameList>(order)), names_(owned_.get()) {
    names_->setObserver(this);
}

NameListModel::NameListModel(core::NameList& names, QObject* parent) : QAbstractListModel(parent), names_(&names) {
    names_->setObserver(this);
}

NameListModel::~NameListModel() { names_->setObserver(nullptr); }

bool NameListModel::add(const std::string& text) {
    if (names_->contains(text))
        return false;
    names_->insert(text);
    return true;
}

std::size_t NameListModel::addMany(const std::vector<std::string>& texts) {
    std::unordered_set<std::string> seen;
    seen.reserve(texts.size());
    std::vector<std::string> fresh;
    fresh.reserve(texts.size());
    for (const auto& text : texts) {
        std::string folded = core::FoldCase(text);
        if (!names_->containsFolded(folded) && seen.insert(std::move(folded)).second)
            fresh.push_back(text);
    }
    const std::size_t added = fresh.size();
    if (added == 1)
        names_->insert(std::move(fresh.front()));
    else if (added > 1)
        names_->insertMany(std::move(fresh));
    return added;
}

void NameListModel::assign(const std::vector<std::string>& texts) {
    names_->clear();
    addMany(texts);
}

void NameListModel::assignAll(std::vector<std::string> texts) {
    names_->clear();
    names_->insertMany(std::move(texts));
}

void NameListModel::removeRows(const std::vector<int>& rows) {
    core::IndexSet indices;
    for (int row : rows)
        if (row >= 0)
            indices.push_back(static_cast<std::size_t>(row));
    names_->removeIndices(indices);
}

int NameListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : size(); }

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= size())
        return {};
    return ToQt(at(index.row()));
}

void NameListModel::aboutToInsert(std::size_t index) {
    const int row = static_cast<int>(index);
    beginInsertRows({}, row, row);
}

void NameListModel::inserted() { endInsertRows(); }

void NameListModel::aboutToRemove(std::size_t index) {
    const int row = static_cast<int>(index);
    beginRemoveRows({}, row, row);
}

void NameListModel::removed() { endRemoveRows(); }
void NameListModel::aboutToReset() { beginResetModel(); }
void NameListModel::reset() { endResetModel(); }

} // namespace dirforge::ui
