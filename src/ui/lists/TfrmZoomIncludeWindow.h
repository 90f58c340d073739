#pragma once
// The zoom window: one list shown large and read-only.

#include "ui/common/NameListModel.h"

#include <QDialog>

class QListView;

namespace dirforge::ui {
class ModalRunner;
}

namespace dirforge::ui {

/// "Zoom the Include Window.": callers empty it, add their entries, and show it modally.
class TfrmZoomIncludeWindow : public QDialog {
    Q_OBJECT
public:
    explicit TfrmZoomIncludeWindow(ModalRunner& runner, QWidget* parent = nullptr);

    /// Empties lstZoomIncludeWindow.
    void clearList();
    /// Appends the entries the window does not show yet (ignoring case), in order.
    void addEntries(const std::vector<std::string>& entries);
    /// Empties the list, shows entries in it, and runs the window modally.
    void showEntries(const std::vector<std::string>& entries);
    const NameListModel& list() const { return list_; }

private:
    ModalRunner& runner_;
    NameListModel list_{core::NameList::Order::Insertion};
    QListView* lstZoomIncludeWindow_;
};

} // namespace dirforge::ui
