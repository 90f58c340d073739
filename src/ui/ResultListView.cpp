#include "ui/ResultListView.h"

#include "ui/ResultListModel.h"

#include <QStyledItemDelegate>

namespace dirforge::ui {
namespace {

/// Gives every row the full scroll extent as width, so the view scrolls that far horizontally.
class WideRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(std::max(size.width(), ResultListView::ScrollExtent));
        return size;
    }
};

} // namespace

ResultListView::ResultListView(const QString& objectName, ResultListModel* model, QWidget* parent)
    : QListView(parent) {
    setObjectName(objectName);
    setModel(model);
    setItemDelegate(new WideRowDelegate(this));
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

} // namespace dirforge::ui
