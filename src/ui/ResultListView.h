#pragma once
// The list box of a result list: one line per path, scrolling horizontally over 3000 pixels
// like the other lists of the program, cheap for 100 000 rows (uniform row sizes).

#include <QListView>

namespace dirforge::ui {

class ResultListModel;

/// A read-only list view over a ResultListModel with a fixed horizontal scroll extent.
class ResultListView : public QListView {
    Q_OBJECT
public:
    /// Horizontal scroll extent of every result list.
    static constexpr int ScrollExtent = 3000;

    ResultListView(const QString& objectName, ResultListModel* model, QWidget* parent = nullptr);
};

} // namespace dirforge::ui
