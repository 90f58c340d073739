#include "ui/results/ResultListView.h"

#include <QHeaderView>

namespace dirforge::ui {

QTableView* MakeResultListView(const QString& objectName, QAbstractItemModel* model,
                               int horizontalExtent, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(objectName);
    view->setModel(model);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rows = view->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(view->fontMetrics().height() + 2);
    QHeaderView* columns = view->horizontalHeader();
    columns->hide();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setDefaultSectionSize(horizontalExtent);
    return view;
}

} // namespace dirforge::ui
