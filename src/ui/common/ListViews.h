#pragma once
// Building the list views of the list windows: uniform rows, a fixed horizontal scroll extent.

#include <QListView>

#include <vector>

namespace dirforge::ui {

/// A multi-selection list view over model whose rows are horizontalExtent pixels wide, so it
/// scrolls horizontally that far without measuring every entry.
QListView* MakeListView(const QString& objectName, QAbstractItemModel* model, int horizontalExtent,
                        QWidget* parent);

/// The selected rows of view, ascending.
std::vector<int> SelectedRows(const QListView& view);

} // namespace dirforge::ui
