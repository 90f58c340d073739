#include "ui/results/TfrmStatistic.h"

#include "core/PathChecks.h"
#include "platform/Prompt.h"
#include "ui/common/WindowStyle.h"
#include "ui/results/ResultListModel.h"
#include "ui/results/ResultListView.h"
#include "ui/results/RunModeLabel.h"
#include "ui/results/TfrmZoomStatistics.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dirforge::ui {
namespace {

using engine::CounterColumn;
using engine::CounterRow;
using engine::ResultList;

/// The grid cells whose labels are kept up to date but never shown: what already existed or
/// failed below the target folders (subfolders, files, bytes).
bool IsHiddenCounter(CounterRow row, CounterColumn column) {
    return row != CounterRow::Folders &&
           (column == CounterColumn::Exist || column == CounterColumn::Other);
}

} // namespace

QString CounterText(double value) {
    return QString::number(value, 'g', 15);
}

TfrmStatistic::TfrmStatistic(engine::PageKind page, platform::Prompt& prompt, QWidget* parent)
    : QDialog(parent), twin_(VisualLogTwinFor(page)), prompt_(prompt) {
    setObjectName(twin_.logClass);
    setWindowTitle(twin_.caption);
    ApplyBackground(*this);
    for (auto& model : models_)
        model = new ResultListModel(this);

    modeLabel_ = new QLabel(twin_.modeLabelInitial, this);
    modeLabel_->setObjectName(QString("lbl%1NormalSimulate").arg(VolInfix(twin_)));
    modeLabel_->setAlignment(Qt::AlignCenter);
    QFont bold = modeLabel_->font();
    bold.setBold(true);
    modeLabel_->setFont(bold);
    modeBox_ = new QCheckBox(twin_.modeBoxCaption, this);
    modeBox_->setObjectName(QString("chk%1NormalSimulate").arg(StatInfix(twin_)));
    modeBox_->setChecked(true);
    modeBox_->hide();

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName(QString("btn%1Ok").arg(StatInfix(twin_)));
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    auto* lower = new QHBoxLayout;
    lower->addWidget(
        buildListGroup(twin_.notCreatedGroup, {ResultList::FoldersExist, ResultList::FoldersOther}),
        2);
    lower->addWidget(buildListGroup("Folders - Failed UNDO", {ResultList::FoldersFailedUndo}), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modeLabel_);
    layout->addWidget(buildStatistics());
    layout->addWidget(buildListGroup("SUCCESSFULLY CREATED",
                                     {ResultList::FoldersCreated, ResultList::SubFoldersCreated,
                                      ResultList::FilesCreated}),
                      1);
    layout->addLayout(lower, 1);
    layout->addLayout(buttons);
    resize(729, 636);

    TfrmZoomStatistics::Models shared{};
    std::copy(models_.begin(), models_.end(), shared.begin());
    zoom_ = new TfrmZoomStatistics(twin_, shared, this);
}

TfrmStatistic::~TfrmStatistic() = default;

QWidget* TfrmStatistic::buildStatistics() {
    auto* group = new QGroupBox("Statistics", this);
    auto* grid = new QGridLayout(group);
    const std::array<const char*, 4> columns{twin_.toCreateColumn, kCreatedColumn, kExistsColumn,
                                             twin_.otherColumn};
    const std::array<const char*, 4> rows{twin_.rowLabels[0], twin_.rowLabels[1],
                                          twin_.rowLabels[2], kBytesRowLabel};
    // The captions wrap, so the window keeps its 729-pixel width whatever the font's width.
    for (int c = 0; c < 4; ++c) {
        auto* caption = new QLabel(columns[c], group);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        grid->addWidget(caption, 0, c + 1);
    }
    for (int r = 0; r < 4; ++r) {
        auto* caption = new QLabel(rows[r], group);
        caption->setWordWrap(true);
        grid->addWidget(caption, r + 1, 0);
        for (int c = 0; c < 4; ++c) {
            const auto row = static_cast<CounterRow>(r);
            const auto column = static_cast<CounterColumn>(c);
            auto* value = new QLabel("0", group);
            value->setObjectName(QString::fromStdString(CounterLabelName(twin_, row, column)));
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            value->setVisible(!IsHiddenCounter(row, column));
            grid->addWidget(value, r + 1, c + 1);
            counterLabels_[r][c] = value;
        }
    }
    grid->setColumnStretch(0, 1);
    return group;
}

QWidget* TfrmStatistic::buildListGroup(const char* caption,
                                       std::initializer_list<ResultList> lists) {
    auto* group = new QGroupBox(caption, this);
    auto* row = new QHBoxLayout(group);
    for (ResultList list : lists)
        row->addWidget(buildListColumn(list));
    return group;
}

QWidget* TfrmStatistic::buildListColumn(ResultList list) {
    const ResultListTwin& names = ResultListTwinFor(list);
    const QString infix = StatInfix(twin_);
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    // The failed-undo group carries its caption already; its list needs no label of its own.
    if (list != ResultList::FoldersFailedUndo)
        layout->addWidget(new QLabel(names.caption, column));
    layout->addWidget(MakeResultListView("lst" + infix + names.listSuffix,
                                         models_[static_cast<int>(list)], kResultListExtent,
                                         column),
                      1);

    auto* exportButton = new QPushButton("Export", column);
    exportButton->setObjectName("btn" + infix + names.exportSuffix);
    exportButton->setToolTip(names.exportHint);
    connect(exportButton, &QPushButton::clicked, this,
            [this, list, exportButton] { exportList(list, exportButton); });
    auto* zoomButton = new QPushButton("Zoom", column);
    zoomButton->setObjectName("btn" + infix + names.zoomSuffix);
    zoomButton->setToolTip(names.zoomHint);
    connect(zoomButton, &QPushButton::clicked, this, [this, list] {
        flush();
        zoom_->zoom(list);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportButton);
    buttons->addWidget(zoomButton);
    layout->addLayout(buttons);
    return column;
}

void TfrmStatistic::resetLog(bool realRun) {
    modeBox_->setChecked(realRun);
    refreshModeLabel();
    clearLists();
}

void TfrmStatistic::showLog() {
    flush();
    show();
    raise();
    activateWindow();
}

void TfrmStatistic::recorded(ResultList list, const std::string& path) {
    models_[static_cast<int>(list)]->append(path);
    scheduleFlush();
    repaint_.tick();
}

void TfrmStatistic::failed(const std::string& path, const std::string& reason) {
    // Only these two lists hold failed entries; what is in neither has no row.
    models_[static_cast<int>(ResultList::FoldersOther)]->setReason(path, reason);
    models_[static_cast<int>(ResultList::FoldersFailedUndo)]->setReason(path, reason);
}

void TfrmStatistic::countersChanged(const engine::RunCounters& counters) {
    counters_ = counters;
    countersPending_ = true;
    scheduleFlush();
    repaint_.tick();
}

void TfrmStatistic::flush() {
    for (ResultListModel* model : models_)
        model->flush();
    if (countersPending_)
        showCounters();
}

void TfrmStatistic::showCounters() {
    countersPending_ = false;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (counters_.cells[r][c] != shownCounters_.cells[r][c])
                counterLabels_[r][c]->setText(CounterText(counters_.cells[r][c]));
    shownCounters_ = counters_;
}

void TfrmStatistic::scheduleFlush() {
    if (flushScheduled_)
        return;
    flushScheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            flushScheduled_ = false;
            flush();
        },
        Qt::QueuedConnection);
}

void TfrmStatistic::refreshModeLabel() {
    ShowRunModeLabel(*modeLabel_, modeBox_->isChecked());
}

void TfrmStatistic::clearLists() {
    for (ResultListModel* model : models_)
        model->clear();
}

std::vector<std::string> TfrmStatistic::entries(ResultList list) const {
    return models_[static_cast<int>(list)]->entries();
}

void TfrmStatistic::exportList(ResultList list, QPushButton* button) {
    flush();
    const ResultListModel& rows = *models_[static_cast<int>(list)];
    if (rows.size() == 0) {
        prompt_.warn(ResultListTwinFor(list).emptyWarning, ExportWarningTitle(twin_, list));
        return;
    }
    std::vector<std::string> handed;
    engine::FailureReasons causes;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        std::string entry = rows.at(row);
        if (!core::HasDrivePart(entry))
            continue;
        if (std::string cause = rows.reasonOf(entry); !cause.empty())
            causes.emplace(entry, std::move(cause));
        handed.push_back(std::move(entry));
    }
    if (exporter_)
        exporter_(handed, "FOLDERS", std::move(causes));
    button->setFocus();
}

void RefreshLogModeLabels(std::span<TfrmStatistic* const> logs) {
    for (TfrmStatistic* log : logs)
        if (log)
            log->refreshModeLabel();
}

} // namespace dirforge::ui
