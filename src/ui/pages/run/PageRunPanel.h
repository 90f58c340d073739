#pragma once
// A page's run controls and its binding to the engine: "Show Visual Log" and "Show Explorer",
// CREATE, Simulation, Visual Log, Undo, Clear All, help and Examples, and below them the
// progress row with Stop. A run gets the page's request, disables the run buttons and the
// other pages' tabs, and drives the visual log and the progress row. The panel asks its page for
// the run request (RunRequestSource) and tells it by signals how a run ended.

#include "engine/CreationRun.h"
#include "engine/RunJournal.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QPushButton;

namespace dirforge::ui {

class AppContext;
class RunProgressRow;
class RunRequestSource;
class TfrmStatistic;
struct PageRow;

class PageRunPanel : public QWidget {
    Q_OBJECT
public:
    /// state is the page's run state kept by the main window; requests gives each run its request.
    PageRunPanel(const PageRow& row, AppContext& context, engine::PageRunState& state,
                 const RunRequestSource& requests, QWidget* parent = nullptr);

    /// The option-group members of this panel: Undo and Visual Log, the two check boxes.
    void setOptionsEnabled(bool enabled);
    /// CREATE and Simulation on or off.
    void setRunButtonsEnabled(bool enabled);
    bool showVisualLog() const;
    bool showExplorer() const;
    /// Clear All: both boxes checked.
    void resetBoxes();
    /// A profile's boxes ("Show Explorer" only where the page has it).
    void setBoxes(bool showVisualLog, bool showExplorer);

    /// "To create" counters 0, then PrepareTargetCounts and RefreshLogCounters.
    bool recountTargets(bool withFiles);
    /// Attach Nothing: "to create" counters 0 but Folders = the number of names.
    void countNamesOnly(std::size_t names);
    /// Writes the counters into the visual log.
    void RefreshLogCounters();
    /// Clear All: "to create" counters and every result list emptied, also in the visual log.
    void clearResults();

    void btnCreateFoldersClick();
    void btnCreateFoldersSimulationClick();
    void btnStatisticClick();
    void btnUndoClick();

    /// The page's own journal file in the working folder ("" without a startup folder).
    std::string journalPath() const;
    /// Rewrites the page's journal with what its Undo would act on; warns when it cannot.
    void saveJournal();
    /// The page's journal for a real run to write ahead into; null when it cannot be opened.
    std::unique_ptr<engine::JournalWriter> openJournalWriter();
    /// Undoes a saved journal of this page with the visual log and the progress row; the journal
    /// keeps what is left. False when the undo was refused or had nothing to do.
    bool undoJournal(engine::RunJournal& journal);

signals:
    /// A run or an undo starts (true) or has returned (false).
    void runLocked(bool locked);
    /// Clear All was pressed; the page asks and clears.
    void clearAllRequested();
    /// A real run used the destination: it goes to the top of the history.
    void destinationUsed();
    /// A run or simulation returned (also by an exception): the page applies its rule for CREATE
    /// and Simulation again.
    void runEnded();
    /// A run was refused for want of a structure: the focus goes to "Add Structure".
    void structureWanted();
    /// A run was refused for its end number (numbers page): the focus goes to that field.
    void endNumberWanted();

private:
    using RunFunction = engine::RunOutcome (*)(const engine::RunRequest&, engine::PageRunState&,
                                               const engine::RunServices&);
    /// One run with the page locked: run buttons and other tabs off until it returns.
    void startRun(RunFunction run);

    const PageRow& row_;
    AppContext& context_;
    TfrmStatistic& log_; // the page's visual log
    engine::PageRunState& state_;
    const RunRequestSource& requests_;
    QCheckBox* chkViewDetailedResults_ = nullptr;
    QCheckBox* chkViewDestFolder_ = nullptr;
    QPushButton* btnCreateFolders_ = nullptr;
    QPushButton* btnSimulation_ = nullptr;
    QPushButton* btnStatistic_ = nullptr;
    QPushButton* btnUndo_ = nullptr;
    QPushButton* btnClearAll_ = nullptr;
    QPushButton* btnHelp_ = nullptr;
    QPushButton* btnExamples_ = nullptr;
    RunProgressRow* progressRow_ = nullptr;
};

} // namespace dirforge::ui
