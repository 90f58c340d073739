#include "ui/lists/TfrmZoomIncludeWindow.h"

#include "ui/common/ListViews.h"
#include "ui/seams/ModalRunner.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace dirforge::ui {

TfrmZoomIncludeWindow::TfrmZoomIncludeWindow(ModalRunner& runner, QWidget* parent)
    : QDialog(parent), runner_(runner) {
    setObjectName("TfrmZoomIncludeWindow");
    setWindowTitle("Zoom the Include Window.");
    lstZoomIncludeWindow_ = MakeListView("lstZoomIncludeWindow", &list_, 3000, this);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("btnZoomIncludeWindowClose");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstZoomIncludeWindow_);
    layout->addLayout(buttons);
    resize(760, 560);
}

void TfrmZoomIncludeWindow::clearList() {
    list_.clear();
}

void TfrmZoomIncludeWindow::addEntries(const std::vector<std::string>& entries) {
    list_.addMany(entries);
}

void TfrmZoomIncludeWindow::showEntries(const std::vector<std::string>& entries) {
    clearList();
    addEntries(entries);
    runner_.run(*this);
}

} // namespace dirforge::ui
