#include "ui/common/ListViews.h"

#include <QStyledItemDelegate>

#include <algorithm>
#include <vector>

namespace dirforge::ui {

namespace {

/// Every row as wide as the list's scroll extent and as high as one line of text.
class FixedExtentDelegate : public QStyledItemDelegate {
public:
    FixedExtentDelegate(int extent, QObject* parent)
        : QStyledItemDelegate(parent), extent_(extent) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {extent_, QStyledItemDelegate::sizeHint(option, index).height()};
    }

private:
    int extent_;
};

} // namespace

QListView* MakeListView(const QString& objectName, QAbstractItemModel* model, int horizontalExtent,
                        QWidget* parent) {
    auto* view = new QListView(parent);
    view->setObjectName(objectName);
    view->setUniformItemSizes(true);
    view->setItemDelegate(new FixedExtentDelegate(horizontalExtent, view));
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setModel(model);
    return view;
}

std::vector<int> SelectedRows(const QListView& view) {
    std::vector<int> rows;
    for (const auto& index : view.selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace dirforge::ui
