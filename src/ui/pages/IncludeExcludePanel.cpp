#include "ui/pages/IncludeExcludePanel.h"

#include "lists/ComposedForm.h"
#include "ui/common/ControlNames.h"
#include "ui/common/ListActions.h"
#include "ui/common/ListViews.h"
#include "ui/common/QtText.h"
#include "ui/pages/PageRow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace dirforge::ui {

namespace {

QPushButton* Button(QWidget* parent, const QString& name, const char* caption,
                    const char* hint = nullptr) {
    return Named(new QPushButton(QString::fromLatin1(caption), parent), qPrintable(name), hint);
}

} // namespace

IncludeExcludePanel::IncludeExcludePanel(const PageRow& row, platform::Prompt& prompt,
                                         QWidget* parent)
    : QWidget(parent), include_(row.listOrder, this), exclude_(row.listOrder, this) {
    pair_ = std::make_unique<engine::IncludeExcludePair>(
        include_.names(), exclude_.names(), prompt, engine::TextsFor(row.kind).pair,
        [this](std::size_t included, std::size_t excluded) {
            lblIncludeSum_->setText(QString::number(included));
            lblExcludeSum_->setText(QString::number(excluded));
            repaint_.tick();
        },
        [this] { emit listsChanged(); });

    auto* lists = new QHBoxLayout;
    lists->addWidget(buildListColumn(row, ListSide::Include), 1);
    lists->addWidget(buildMoveButtons(row));
    lists->addWidget(buildListColumn(row, ListSide::Exclude), 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildEntryRow(row));
    layout->addLayout(lists, 1);

    connect(edtAddToList_, &QLineEdit::returnPressed, this, &IncludeExcludePanel::addRequested);
    connect(btnAddToList_, &QPushButton::clicked, this, &IncludeExcludePanel::addRequested);
    connect(btnSmartImport_, &QPushButton::clicked, this, &IncludeExcludePanel::importRequested);
    connect(btnSmartExport_, &QPushButton::clicked, this, &IncludeExcludePanel::exportRequested);
    connect(btnEditIncludeList_, &QPushButton::clicked, this, &IncludeExcludePanel::editRequested);
    connect(btnZoomIncludeWindow_, &QPushButton::clicked, this,
            &IncludeExcludePanel::zoomRequested);

    OfferButtonsOnList(*lstInclude_,
                       QList<QAbstractButton*>{btnSmartImport_, btnSmartExport_,
                                               btnEditIncludeList_, btnZoomIncludeWindow_} +
                           QList<QAbstractButton*>(includeMoves_.begin(), includeMoves_.end()));
    OfferButtonsOnList(*lstExclude_,
                       QList<QAbstractButton*>{btnDeleteFromExclude_, btnDeleteExcludeAll_} +
                           QList<QAbstractButton*>(excludeMoves_.begin(), excludeMoves_.end()),
                       btnDeleteFromExclude_);
}

IncludeExcludePanel::~IncludeExcludePanel() = default;

QWidget* IncludeExcludePanel::buildEntryRow(const PageRow& row) {
    auto* entryRow = new QWidget(this);
    const PageCaptions& captions = row.captions();
    auto* label = Named(new QLabel(QString::fromLatin1(captions.entryLabel), entryRow),
                        qPrintable(ControlName(row, "lbl", "AddToList")));
    edtAddToList_ = Named(new QLineEdit(entryRow), qPrintable(ControlName(row, "edt", "AddToList")),
                          captions.entryHint);
    label->setBuddy(edtAddToList_);
    btnAddToList_ = Button(entryRow, ControlName(row, "btn", "AddToList"), captions.addButton,
                           captions.addButtonHint);
    auto* layout = new QHBoxLayout(entryRow);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(edtAddToList_, 1);
    layout->addWidget(btnAddToList_);
    return entryRow;
}

QWidget* IncludeExcludePanel::buildMoveButtons(const PageRow& row) {
    auto* column = new QWidget(this);
    auto* incToExc = Button(column, ControlName(row, "btn", "IncToExc"), ">",
                            "Move the selected item(s) from the INCLUDE to the EXCLUDE list.");
    auto* excToInc = Button(column, ControlName(row, "btn", "ExcToInc"), "<",
                            "Move the selected item(s) from the EXCLUDE to the INCLUDE list.");
    auto* allFromInc = Button(column, ControlName(row, "btn", row.allFromIncRole), ">>",
                              "Move ALL items from the INCLUDE to the EXCLUDE list.");
    auto* allFromExc = Button(column, ControlName(row, "btn", row.allFromExcRole), "<<",
                              "Move ALL items from the EXCLUDE to the INCLUDE list.");
    auto* exchange = Button(column, ControlName(row, "btn", "ExchangeIncExc"), "<>",
                            "Exchange the contents of the two lists.");
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    incToExc->setAccessibleName(QStringLiteral("Move selected to EXCLUDE"));
    excToInc->setAccessibleName(QStringLiteral("Move selected to INCLUDE"));
    allFromInc->setAccessibleName(QStringLiteral("Move all to EXCLUDE"));
    allFromExc->setAccessibleName(QStringLiteral("Move all to INCLUDE"));
    exchange->setAccessibleName(QStringLiteral("Exchange INCLUDE and EXCLUDE"));
    includeMoves_ = {incToExc, allFromInc, exchange};
    excludeMoves_ = {excToInc, allFromExc, exchange};
    for (QPushButton* button : {incToExc, excToInc, allFromInc, allFromExc, exchange}) {
        button->setFixedWidth(36);
        layout->addWidget(button);
    }
    layout->addStretch();

    connect(incToExc, &QPushButton::clicked, this,
            [this] { apply(pair_->moveSelectedToExclude(selection(lstInclude_))); });
    connect(excToInc, &QPushButton::clicked, this,
            [this] { apply(pair_->moveSelectedToInclude(selection(lstExclude_))); });
    connect(allFromInc, &QPushButton::clicked, this, [this] { apply(pair_->moveAllToExclude()); });
    connect(allFromExc, &QPushButton::clicked, this, [this] { apply(pair_->moveAllToInclude()); });
    connect(exchange, &QPushButton::clicked, this, [this] { apply(pair_->exchange()); });
    return column;
}

QWidget* IncludeExcludePanel::buildListColumn(const PageRow& row, ListSide side) {
    const bool isInclude = side == ListSide::Include;
    auto* column = new QWidget(this);
    // Both lists share the width equally, whatever their buttons ask for.
    column->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    const PageCaptions& captions = row.captions();
    auto* caption = Named(new QLabel(QString::fromLatin1(isInclude ? captions.includeCaption
                                                                   : captions.excludeCaption),
                                     column),
                          qPrintable(ControlName(row, "lbl", isInclude ? "Include" : "Exclude")));
    auto* view =
        MakeListView(ControlName(row, "lst", isInclude ? row.includeListRole : row.excludeListRole),
                     isInclude ? &include_ : &exclude_, kPageListExtent, column);
    view->setAccessibleName(isInclude ? QStringLiteral("INCLUDE list")
                                      : QStringLiteral("EXCLUDE list"));
    view->setToolTip(QString::fromLatin1(
        isInclude ? "Contains item(s) that will be used in the creating process."
                  : "Contains items that will not be used in the creating process."));
    auto* linesLabel =
        Named(new QLabel(QStringLiteral("Lines:"), column),
              qPrintable(ControlName(row, "lbl", isInclude ? "IncludeLines" : "ExcludeLines")));
    auto* sum = Named(new QLabel(QStringLiteral("0"), column),
                      qPrintable(ControlName(row, "lbl", isInclude ? "IncludeSum" : "ExcludeSum")));
    sum->setMinimumWidth(48);

    auto* counter = new QHBoxLayout;
    counter->addWidget(linesLabel);
    counter->addWidget(sum);
    counter->addStretch();
    auto* buttons = new QHBoxLayout;
    if (isInclude) {
        lstInclude_ = view;
        lblIncludeSum_ = sum;
        btnSmartImport_ = Button(column, ControlName(row, "btn", "SmartImport"), "Import",
                                 "Open and Import List from various types of text files.");
        btnSmartExport_ = Button(column, ControlName(row, "btn", "SmartExport"), "Export",
                                 "Open and export list to a text file.");
        btnEditIncludeList_ = Button(column, ControlName(row, "btn", "EditIncludeList"),
                                     "Edit List", "Edit the INCLUDE List.");
        btnZoomIncludeWindow_ =
            Button(column, ControlName(row, "btn", "ZoomIncludeWindow"), "Zoom");
        btnSmartImport_->setAccessibleName(QStringLiteral("Import into the INCLUDE list"));
        btnSmartExport_->setAccessibleName(QStringLiteral("Export the INCLUDE list"));
        btnEditIncludeList_->setAccessibleName(QStringLiteral("Edit the INCLUDE list"));
        btnZoomIncludeWindow_->setAccessibleName(QStringLiteral("Zoom the INCLUDE list"));
        for (QPushButton* button :
             {btnSmartImport_, btnSmartExport_, btnEditIncludeList_, btnZoomIncludeWindow_})
            buttons->addWidget(button);
    } else {
        lstExclude_ = view;
        lblExcludeSum_ = sum;
        auto* deleteSelected =
            Button(column, ControlName(row, "btn", "DeleteFromExclude"), "Delete Excluded",
                   "Delete selected item(s) from the EXCLUDE list.");
        auto* deleteAll = Button(column, ControlName(row, "btn", "DeleteExcludeAll"), "Delete All",
                                 captions.deleteExcludeAllHint);
        deleteSelected->setAccessibleName(QStringLiteral("Delete selected EXCLUDE entries"));
        deleteAll->setAccessibleName(QStringLiteral("Delete all EXCLUDE entries"));
        btnDeleteFromExclude_ = deleteSelected;
        btnDeleteExcludeAll_ = deleteAll;
        buttons->addWidget(deleteSelected);
        buttons->addWidget(deleteAll);
        connect(deleteSelected, &QPushButton::clicked, this,
                [this] { apply(pair_->deleteExcluded(selection(lstExclude_))); });
        connect(deleteAll, &QPushButton::clicked, this,
                [this] { apply(pair_->deleteAllExcluded()); });
    }

    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(view, 1);
    layout->addLayout(counter);
    layout->addLayout(buttons);
    return column;
}

core::IndexSet IncludeExcludePanel::selection(const QListView* view) const {
    core::IndexSet rows;
    for (int row : SelectedRows(*view))
        rows.push_back(static_cast<std::size_t>(row));
    return rows;
}

void IncludeExcludePanel::apply(engine::PairFocus focus) {
    repaint_.flush();
    if (focus == engine::PairFocus::AddButton)
        btnAddToList_->setFocus();
    else
        focusEntry();
}

std::string IncludeExcludePanel::entryText() const {
    return lists::ComposedForm(FromQt(edtAddToList_->text())); // compared as the lists hold names
}
void IncludeExcludePanel::setEntryText(const std::string& text) {
    edtAddToList_->setText(ToQt(text));
}
void IncludeExcludePanel::selectEntryText() {
    edtAddToList_->selectAll();
}
void IncludeExcludePanel::focusEntry() {
    edtAddToList_->setFocus();
}

void IncludeExcludePanel::showCounts() {
    lblIncludeSum_->setText(QString::number(include_.size()));
    lblExcludeSum_->setText(QString::number(exclude_.size()));
}

void IncludeExcludePanel::clear() {
    edtAddToList_->clear();
    include_.clear();
    exclude_.clear();
    showCounts();
}

} // namespace dirforge::ui
