#pragma once
// The list box of a result list. A run appends up to hundreds of thousands of rows while the
// log repaints 60 times a second, so the view must take an insertion without laying out every
// row again (a QListView does, which makes a long run quadratic); a one-column table view with
// fixed row heights does not.

#include <QTableView>

namespace dirforge::ui {

/// A read-only, single-column table view shown as a plain list: no headers, no grid, rows of
/// one text line, scrolling horizontally over horizontalExtent pixels.
QTableView* MakeResultListView(const QString& objectName, QAbstractItemModel* model,
                               int horizontalExtent, QWidget* parent);

} // namespace dirforge::ui
