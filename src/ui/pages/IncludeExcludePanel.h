#pragma once
// The list part of the strings and paths pages: the entry field with "Add item", the INCLUDE and
// EXCLUDE lists with their "Lines:" counters, the pair's seven buttons and the INCLUDE buttons
// Import, Export, Edit List and Zoom. The panel does the pair's moves itself and tells its page by
// signals what the page has to do or redo.

#include "engine/IncludeExcludePair.h"
#include "ui/common/NameListModel.h"
#include "ui/common/RepaintThrottle.h"

#include <QList>
#include <QWidget>

#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace dirforge::platform {
class Prompt;
}

namespace dirforge::ui {

struct PageRow;

class IncludeExcludePanel : public QWidget {
    Q_OBJECT
public:
    IncludeExcludePanel(const PageRow& row, platform::Prompt& prompt, QWidget* parent = nullptr);
    ~IncludeExcludePanel() override;

    NameListModel& include() { return include_; }
    NameListModel& exclude() { return exclude_; }

    /// The entry field's text as typed.
    /// The entry field's text in composed Unicode form.
    std::string entryText() const;
    void setEntryText(const std::string& text);
    /// The entry field's whole text selected, so the next typed name replaces it.
    void selectEntryText();
    void focusEntry();
    /// Both "Lines:" counters from the real list sizes.
    void showCounts();
    /// Clear All: entry field and both lists empty.
    void clear();

    QPushButton* addButton() const { return btnAddToList_; }
    QPushButton* exportButton() const { return btnSmartExport_; }
    QPushButton* importButton() const { return btnSmartImport_; }
    QListView* includeView() const { return lstInclude_; }

signals:
    /// "Add item" pressed, or Enter in the entry field.
    void addRequested();
    /// INCLUDE's Import, Export, Edit List and Zoom pressed.
    void importRequested();
    void exportRequested();
    void editRequested();
    void zoomRequested();
    /// A move, exchange or delete changed the lists: the page's enabling rules and counters are
    /// due again.
    void listsChanged();

private:
    QWidget* buildEntryRow(const PageRow& row);
    QWidget* buildMoveButtons(const PageRow& row);
    enum class ListSide { Include, Exclude };
    QWidget* buildListColumn(const PageRow& row, ListSide side);
    /// Runs a pair operation on the selections and puts the focus where it says.
    void apply(engine::PairFocus focus);
    core::IndexSet selection(const QListView* view) const;

    NameListModel include_;
    NameListModel exclude_;
    std::unique_ptr<engine::IncludeExcludePair> pair_;
    RepaintThrottle repaint_;

    QLineEdit* edtAddToList_ = nullptr;
    QPushButton* btnAddToList_ = nullptr;
    QListView* lstInclude_ = nullptr;
    QListView* lstExclude_ = nullptr;
    QLabel* lblIncludeSum_ = nullptr;
    QLabel* lblExcludeSum_ = nullptr;
    QPushButton* btnSmartImport_ = nullptr;
    QPushButton* btnSmartExport_ = nullptr;
    QPushButton* btnEditIncludeList_ = nullptr;
    QPushButton* btnZoomIncludeWindow_ = nullptr;
    QList<QPushButton*> includeMoves_; // the move buttons that act on INCLUDE, then on EXCLUDE
    QList<QPushButton*> excludeMoves_;
    QPushButton* btnDeleteFromExclude_ = nullptr;
    QPushButton* btnDeleteExcludeAll_ = nullptr;
};

} // namespace dirforge::ui
