#include "ui/common/NameListModel.h"

#include "ui/common/LocaleCollation.h"
#include "ui/common/QtText.h"

namespace dirforge::ui {

NameListModel::NameListModel(core::NameList::Order order, QObject* parent)
    : QAbstractListModel(parent),
      owned_(std::make_unique<core::NameList>(
          order, order == core::NameList::Order::Alphabetical ? &LocaleCollation() : nullptr)),
      names_(owned_.get()) {
    names_->setObserver(this);
}

NameListModel::NameListModel(core::NameList& names, QObject* parent)
    : QAbstractListModel(parent), names_(&names) {
    names_->setObserver(this);
}

NameListModel::~NameListModel() {
    names_->setObserver(nullptr);
}

bool NameListModel::add(const std::string& text) {
    if (names_->contains(text))
        return false;
    names_->insert(text);
    return true;
}

std::size_t NameListModel::addMany(const std::vector<std::string>& texts) {
    // One text is inserted as a row, so a view keeps its selection and scroll position.
    if (texts.size() == 1)
        return add(texts.front()) ? 1 : 0;
    return names_->insertMissing(texts);
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

int NameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size();
}

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= size())
        return {};
    return ToQt(at(index.row()));
}

void NameListModel::aboutToInsert(std::size_t index) {
    const int row = static_cast<int>(index);
    beginInsertRows({}, row, row);
}

void NameListModel::inserted() {
    endInsertRows();
}

void NameListModel::aboutToRemove(std::size_t index) {
    const int row = static_cast<int>(index);
    beginRemoveRows({}, row, row);
}

void NameListModel::removed() {
    endRemoveRows();
}
void NameListModel::aboutToReset() {
    beginResetModel();
}
void NameListModel::reset() {
    endResetModel();
}

} // namespace dirforge::ui
