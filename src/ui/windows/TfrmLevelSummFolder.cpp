#include "ui/windows/TfrmLevelSummFolder.h"

#include "core/TextRules.h"
#include "engine/FolderStructSize.h"
#include "engine/StructureScan.h"
#include "ui/common/QtText.h"
#include "ui/common/WindowStyle.h"
#include "ui/seams/ModalRunner.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace dirforge::ui {
namespace {

constexpr int kValueWidth = 289;
constexpr int kColumnWidth = 120;

QLabel* ValueLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

TfrmLevelSummFolder::TfrmLevelSummFolder(const platform::FileSystem& fs, ModalRunner& runner,
                                         QWidget* parent)
    : QDialog(parent), fs_(fs), runner_(runner) {
    setObjectName("TfrmLevelSummFolder");
    setWindowTitle("Level Number - Number of Subfolders");
    setToolTip("Display a Number of Subfolder Levels and a Number of Subfolder on those Levels of "
               "the specified "
               "Folder.");
    ApplyBackground(*this);
    move(50, 50);

    folderName_ = ValueLabel("lblLevelSummFolderName", this);
    folderName_->setFixedWidth(kValueWidth);
    folderName_->setWordWrap(true);
    folderSum_ = ValueLabel("lblLevelSummFolderSum", this);
    fileSum_ = ValueLabel("lblLevelSummFileSum", this);
    fileSize_ = ValueLabel("lblLevelSummFileSize", this);
    fileSize_->setFixedWidth(kValueWidth);

    levels_ = new QTableWidget(0, 2, this);
    levels_->setObjectName("lstViewLevelSummFolder");
    levels_->setHorizontalHeaderLabels({"Level Number", "Number of Subfolders"});
    // The fixed column width, or the title's own where the installed font needs more (it is cut
    // off otherwise).
    for (int column : {0, 1})
        levels_->setColumnWidth(
            column, std::max(kColumnWidth, levels_->horizontalHeader()->sectionSizeHint(column)));
    levels_->verticalHeader()->hide();
    levels_->setShowGrid(true);
    levels_->setSelectionBehavior(QAbstractItemView::SelectRows);
    levels_->setSelectionMode(QAbstractItemView::SingleSelection);
    levels_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* close = new QPushButton("Close", this);
    close->setObjectName("btnLevelSummClose");
    QFont bold = close->font();
    bold.setBold(true);
    close->setFont(bold);
    ApplyButtonTextColor(*close, kColorDarkRed);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Folder Structure:", this), 0, 0);
    grid->addWidget(folderName_, 0, 1, 1, 2);
    grid->addWidget(new QLabel("Contains:", this), 1, 0);
    grid->addWidget(folderSum_, 1, 1, Qt::AlignRight);
    grid->addWidget(new QLabel("Subfolders", this), 1, 2);
    grid->addWidget(fileSum_, 2, 1, Qt::AlignRight);
    grid->addWidget(new QLabel("Files.", this), 2, 2);
    grid->addWidget(new QLabel("Sum file size:", this), 3, 0);
    grid->addWidget(fileSize_, 3, 1, 1, 2);
    grid->addWidget(levels_, 4, 0, 1, 3);
    grid->addWidget(close, 5, 2, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
    setFixedSize(412, 497); // a dialog with a fixed border
}

void TfrmLevelSummFolder::Fill(const engine::FolderStructSize& scan) {
    levels_->setRowCount(0);
    folderName_->setText(ToQt(scan.Root()));
    // The first (smallest) depth is the scanned folder's own level and gives no row.
    const auto& counts = scan.LevelCounts();
    for (auto level = counts.empty() ? counts.end() : std::next(counts.begin());
         level != counts.end(); ++level) {
        const int row = levels_->rowCount();
        levels_->insertRow(row);
        levels_->setItem(row, 0, Cell(QString::number(level->first - 1)));
        levels_->setItem(row, 1, Cell(QString::number(level->second)));
    }
    folderSum_->setText(QString::number(scan.FolderCount()));
    fileSum_->setText(QString::number(scan.FileCount()));
    fileSize_->setText(ToQt(engine::SizeText(scan.TotalBytes())) +
                       QString("  (%1 bytes).").arg(static_cast<qulonglong>(scan.TotalBytes())));
}

void TfrmLevelSummFolder::ShowLevelSummary(const engine::FolderStructSize& scan) {
    Fill(scan);
    runner_.run(*this);
}

void TfrmLevelSummFolder::ShowDestinationSummary(const std::string& destination,
                                                 engine::CopyVariant checkedVariant) {
    const std::string text = core::Trim(destination);
    if (text.empty())
        return;
    engine::FolderStructSize scan(fs_, text);
    scan.SetCountRoot(engine::CopiesMainFolder(checkedVariant));
    scan.Scan();
    ShowLevelSummary(scan);
}

} // namespace dirforge::ui
