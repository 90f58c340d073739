#pragma once
// A page's run controls and its binding to the engine: "Show Visual Log" and "Show Explorer",
// CREATE, Simulation, Visual Log, Undo, Clear All, help and Examples, and below them the
// progress row with Stop. A run gets the page's request, disables the run buttons and the
// other pages' tabs, and drives the visual log and the progress row.

#include "engine/CreationRun.h"
#include "engine/RunJournal.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QPushButton;

namespace dirforge::ui {

class AppContext;
class PageHooks;
class RunProgressRow;
class TfrmMain;
struct PageRow;

class PageRunPanel : public QWidget {
    Q_OBJECT
public:
    /// state is the page's run state kept by the main window.
    PageRunPanel(const PageRow& row, AppContext& context, TfrmMain& mainWindow,
                 engine::PageRunState& state, PageHooks& hooks, QWidget* parent = nullptr);

    QPushButton* createButton() const { return btnCreateFolders_; }
    QPushButton* clearAllButton() const { return btnClearAll_; }
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

    /// Called after a real run whose destination goes to the top of the history.
    void setHistoryUpdate(std::function<void()> update) { historyUpdate_ = std::move(update); }
    /// Called after a run that was refused for want of a structure.
    void setStructureFocus(std::function<void()> focus) { structureFocus_ = std::move(focus); }
    /// Called after a run that was refused for its end number (numbers page).
    void setEndNumberFocus(std::function<void()> focus) { endNumberFocus_ = std::move(focus); }

    void btnCreateFoldersClick();
    void btnCreateFoldersSimulationClick();
    void btnStatisticClick();
    void btnUndoClick();

    /// The page's own journal file in the working folder ("" without a startup folder).
    std::string journalPath() const;
    /// Rewrites the page's journal with what its Undo would act on; warns when it cannot.
    void saveJournal();
    /// Undoes a saved journal of this page with the visual log and the progress row; the journal
    /// keeps what is left. False when the undo was refused or had nothing to do.
    bool undoJournal(engine::RunJournal& journal);

private:
    using RunFunction = engine::RunOutcome (*)(const engine::RunRequest&, engine::PageRunState&,
                                               const engine::RunServices&);
    /// One run with the page locked: run buttons and other tabs off until it returns.
    void startRun(RunFunction run);
    engine::RunObserver& observer() const;
    /// Puts everything the visual log buffered on screen.
    void flushLog() const;

    const PageRow& row_;
    AppContext& context_;
    TfrmMain& mainWindow_;
    engine::PageRunState& state_;
    PageHooks& hooks_;
    std::function<void()> historyUpdate_;
    std::function<void()> structureFocus_;
    std::function<void()> endNumberFocus_;
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
