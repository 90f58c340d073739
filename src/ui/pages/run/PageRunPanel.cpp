#include "ui/pages/run/PageRunPanel.h"

#include "engine/CreationRun.h"
#include "engine/FolderFileUndo.h"
#include "ui/app/AppContext.h"
#include "ui/common/ControlNames.h"
#include "ui/pages/PageQueries.h"
#include "ui/pages/PageRow.h"
#include "ui/pages/run/PageJournal.h"
#include "ui/pages/run/RunProgressRow.h"
#include "ui/pages/run/RunWatch.h"
#include "ui/results/TfrmStatistic.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace dirforge::ui {

namespace {

QPushButton* MakeButton(const QString& name, const char* caption, const char* hint,
                        QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(name);
    if (hint != nullptr)
        button->setToolTip(QString::fromLatin1(hint));
    return button;
}

constexpr const char* kJournalTitle = "Undo Journal.";

bool SomethingToUndo(const engine::RunResults& results) {
    return !results.FoldersCreated.empty() || !results.SubFoldersCreated.empty() ||
           !results.FilesCreated.empty() || !results.FoldersFailedUndo.empty() ||
           !results.UndoRetry.empty() || !results.FoldersMadeByRun.empty();
}

} // namespace

PageRunPanel::PageRunPanel(const PageRow& row, AppContext& context, engine::PageRunState& state,
                           const RunRequestSource& requests, QWidget* parent)
    : QWidget(parent), row_(row), context_(context), log_(context.visualLog(row.kind)),
      state_(state), requests_(requests) {
    chkViewDetailedResults_ = Named(new QCheckBox(QStringLiteral("Show Visual Log"), this),
                                    qPrintable(ControlName(row, "chk", "ViewDetailedResults")),
                                    "Show Detailed results window DURING the creating process");
    const PageCaptions& captions = row.captions();
    if (captions.showExplorerBox)
        chkViewDestFolder_ = Named(new QCheckBox(QStringLiteral("Show Explorer"), this),
                                   qPrintable(ControlName(row, "chk", "ViewDestFolder")),
                                   "View Destination Folder AFTER creating the folders.");
    resetBoxes();

    btnCreateFolders_ = MakeButton(ControlName(row, "btn", "CreateFolders"), captions.createButton,
                                   "Create Folders with or without Subfolder structures.", this);
    QFont bold = btnCreateFolders_->font();
    bold.setBold(true);
    btnCreateFolders_->setFont(bold);
    btnCreateFolders_->setMinimumHeight(32);
    btnSimulation_ =
        MakeButton(ControlName(row, "btn", "CreateFoldersSimulation"), "Simulation",
                   "Simulate the Folder Creation process (No Actual Folder creating).", this);
    btnStatistic_ = MakeButton(ControlName(row, "btn", row.statisticRole), "Visual Log",
                               "This window shows detailed results.", this);
    btnUndo_ =
        MakeButton(ControlName(row, "btn", "Undo"), "Undo",
                   "Restore previous state (delete previously created folders and files).", this);
    btnClearAll_ =
        MakeButton(ControlName(row, "btn", "ClearAll"), captions.clearAllButton,
                   "Clear All windows, and set default settings for other controls.", this);
    btnHelp_ =
        MakeButton(ControlName(row, "btn", row.helpRole), "Help", "Help for this page.", this);
    btnExamples_ = MakeButton(ControlName(row, "btn", "Examples"), "Examples", nullptr, this);

    progressRow_ = new RunProgressRow(row, this);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* layout = new QHBoxLayout;
    rows->addLayout(layout);
    rows->addWidget(progressRow_);
    layout->addWidget(chkViewDetailedResults_);
    if (chkViewDestFolder_ != nullptr)
        layout->addWidget(chkViewDestFolder_);
    layout->addSpacing(12);
    layout->addWidget(btnCreateFolders_, 2);
    for (QPushButton* button :
         {btnSimulation_, btnStatistic_, btnUndo_, btnClearAll_, btnHelp_, btnExamples_}) {
        button->setMinimumHeight(32);
        layout->addWidget(button, 1);
    }

    connect(btnCreateFolders_, &QPushButton::clicked, this, &PageRunPanel::btnCreateFoldersClick);
    connect(btnSimulation_, &QPushButton::clicked, this,
            &PageRunPanel::btnCreateFoldersSimulationClick);
    connect(btnStatistic_, &QPushButton::clicked, this, &PageRunPanel::btnStatisticClick);
    connect(btnUndo_, &QPushButton::clicked, this, &PageRunPanel::btnUndoClick);
    connect(btnClearAll_, &QPushButton::clicked, this, &PageRunPanel::clearAllRequested);
    connect(btnHelp_, &QPushButton::clicked, this,
            [this] { context_.showHelp(row_.helpTopic, MoreHelp::Shown); });
    connect(btnExamples_, &QPushButton::clicked, this,
            [this] { context_.showExamples(row_.kind); });
}

void PageRunPanel::setOptionsEnabled(bool enabled) {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             chkViewDetailedResults_, chkViewDestFolder_, btnUndo_, btnStatistic_})
        if (widget != nullptr)
            widget->setEnabled(enabled);
    // A run's Undo (also one restored at start) stays at hand while the page waits for input.
    if (!enabled && SomethingToUndo(state_.results))
        btnUndo_->setEnabled(true);
}

std::string PageRunPanel::journalPath() const {
    return PageJournalPath(context_.startupFolder(), row_.kind);
}

void PageRunPanel::saveJournal() {
    const std::string path = journalPath();
    if (path.empty() ||
        SavePageJournal(context_.fileSystem(), context_.drives(), path, row_.kind, state_))
        return;
    context_.prompt().warn("The undo journal \"" + path +
                               "\" could not be written.\n\nThe Undo of this page works "
                               "until the program ends, but not after a restart.",
                           kJournalTitle);
}

std::unique_ptr<engine::JournalWriter> PageRunPanel::openJournalWriter() {
    return OpenPageJournalWriter(context_.fileSystem(), context_.drives(), journalPath(),
                                 row_.kind);
}

bool PageRunPanel::undoJournal(engine::RunJournal& journal) {
    bool undone = false;
    {
        RunWatch watch(log_, *progressRow_);
        undone = engine::UndoLastRun(journal.page, journal.results, journal.lastAttachMode,
                                     journal.lastDestination, context_.fileSystem(),
                                     context_.prompt(), watch);
    }
    log_.flush();
    return undone;
}

void PageRunPanel::setRunButtonsEnabled(bool enabled) {
    btnCreateFolders_->setEnabled(enabled);
    btnSimulation_->setEnabled(enabled);
}

bool PageRunPanel::showVisualLog() const {
    return chkViewDetailedResults_->isChecked();
}
bool PageRunPanel::showExplorer() const {
    return chkViewDestFolder_ != nullptr && chkViewDestFolder_->isChecked();
}

void PageRunPanel::resetBoxes() {
    chkViewDetailedResults_->setChecked(true);
    if (chkViewDestFolder_ != nullptr)
        chkViewDestFolder_->setChecked(true);
}

void PageRunPanel::setBoxes(bool showVisualLog, bool showExplorer) {
    chkViewDetailedResults_->setChecked(showVisualLog);
    if (chkViewDestFolder_ != nullptr)
        chkViewDestFolder_->setChecked(showExplorer);
}

bool PageRunPanel::recountTargets(bool withFiles) {
    state_.results.counters.resetToCreate();
    const engine::RunServices services{context_.fileSystem(), context_.prompt(), context_.shell(),
                                       log_};
    const bool accepted =
        engine::PrepareTargetCounts(requests_.buildRunRequest(), state_, services, withFiles);
    RefreshLogCounters();
    return accepted;
}

void PageRunPanel::countNamesOnly(std::size_t names) {
    engine::RunCounters& counters = state_.results.counters;
    counters.resetToCreate();
    counters.at(engine::CounterRow::Folders, engine::CounterColumn::ToCreate) =
        static_cast<double>(names);
    RefreshLogCounters();
}

void PageRunPanel::RefreshLogCounters() {
    log_.countersChanged(state_.results.counters);
    log_.flush();
}

void PageRunPanel::clearResults() {
    // The counters go with the lists they count, so the log never shows results it cannot list.
    state_.results.clearLists();
    state_.results.UndoRetry.clear();
    state_.results.counters = engine::RunCounters{};
    log_.clearLists();
    RefreshLogCounters();
    saveJournal();
}

void PageRunPanel::startRun(RunFunction run) {
    setRunButtonsEnabled(false);
    emit runLocked(true);
    const bool real = run == &engine::CreationRun;
    engine::RunOutcome outcome;
    // Whatever went wrong is reported by the application's catch-all once the page is unlocked
    // again; what the run made so far stays undoable after a restart.
    std::exception_ptr failure;
    std::unique_ptr<engine::JournalWriter> journal = real ? openJournalWriter() : nullptr;
    try {
        RunWatch watch(log_, *progressRow_);
        const engine::RunServices services{context_.fileSystem(), context_.prompt(),
                                           context_.shell(), watch, journal.get()};
        outcome = run(requests_.buildRunRequest(), state_, services);
    } catch (...) {
        failure = std::current_exception();
    }
    // The journal written ahead holds the run whole; without one, or when it failed, the page's
    // results are written once more as a whole.
    const bool journaled = journal && !journal->failed() && !failure;
    if (real && (failure || outcome.end != engine::RunEnd::Refused) && !journaled)
        saveJournal();
    journal.reset();
    if (!outcome.journalError.empty())
        context_.prompt().warn(outcome.journalError, kJournalTitle);
    log_.flush();
    emit runLocked(false);
    if (!failure && outcome.updateHistory)
        emit destinationUsed();
    emit runEnded();
    if (failure)
        std::rethrow_exception(failure);
    if (outcome.focus == engine::RunFocus::AddStructure)
        emit structureWanted();
    if (outcome.focus == engine::RunFocus::EndNumber)
        emit endNumberWanted();
}

void PageRunPanel::btnCreateFoldersClick() {
    startRun(&engine::CreationRun);
}

void PageRunPanel::btnCreateFoldersSimulationClick() {
    startRun(&engine::SimulationRun);
}

void PageRunPanel::btnStatisticClick() {
    RefreshLogCounters();
    log_.showLog();
}

void PageRunPanel::btnUndoClick() {
    bool undone = false;
    {
        RunWatch watch(log_, *progressRow_);
        undone = engine::UndoLastRun(row_.kind, state_.results, state_.lastAttachMode,
                                     state_.lastDestination, context_.fileSystem(),
                                     context_.prompt(), watch);
    }
    // What is left (failed or not reached) is what the next Undo, also after a restart, goes on
    // with.
    if (undone)
        saveJournal();
    log_.flush();
}

} // namespace dirforge::ui
