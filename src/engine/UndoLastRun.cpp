// The page operation behind each Undo button.

#include "engine/FolderFileUndo.h"
#include "engine/PageTexts.h"
#include "engine/ProgressText.h"
#include "engine/ResultRecording.h"
#include "engine/UndoProgress.h"

#include <utility>

namespace dirforge::engine {

namespace {

/// Fills the executor from the journal (moved: the journal is cleared after the undo anyway)
/// and chooses its plan.
void PlanUndo(FolderFileUndo& undo, PageKind page, RunResults& results,
              const std::string& lastAttachMode, const std::string& lastDestination) {
    const bool retry = !results.FoldersFailedUndo.empty();
    undo.AddAnchors(results.Anchors); // kept in the results for a retry
    if (retry) {
        // An earlier undo's failures: only they (and the files it could not delete) are retried.
        undo.AddFolders(std::move(results.FoldersFailedUndo),
                        std::move(results.FailedUndoIdentities));
        undo.AddFiles(std::move(results.UndoRetry), std::move(results.UndoRetryIdentities));
    } else {
        if (lastAttachMode == "F") {
            undo.AddFolders(std::move(results.FoldersCreated));
            undo.AddSubFolders(std::move(results.SubFoldersCreated));
            undo.AddFiles(std::move(results.FilesCreated), std::move(results.FileIdentities));
        } else if (lastAttachMode == "R") {
            if (page != PageKind::Paths)
                undo.SetDestination(lastDestination);
            undo.AddFolders(std::move(results.FoldersCreated));
            undo.AddSubFolders(std::move(results.SubFoldersCreated));
        } else if (lastAttachMode == "N") {
            undo.AddFolders(std::move(results.FoldersCreated));
        }
        undo.AddMadeByRun(std::move(results.FoldersMadeByRun), std::move(results.FolderIdentities));
    }
    undo.SchedulePlan(page, lastAttachMode, retry);
}

} // namespace

bool UndoLastRun(PageKind page, RunResults& results, const std::string& lastAttachMode,
                 const std::string& lastDestination, platform::FileSystem& fs,
                 platform::Prompt& prompt, RunObserver& observer) {
    const UndoTitles& titles = TextsFor(page).undo;
    // Folders a run made before a target failed are undoable even when no target was created.
    if (results.FoldersFailedUndo.empty() && results.FoldersCreated.empty() &&
        results.FoldersMadeByRun.empty()) {
        prompt.warn(titles.noUndoText, titles.noUndo);
        return false;
    }
    if (!prompt.ask(kUndoQuestionText, titles.question))
        return false;

    FolderFileUndo undo(fs);
    const bool retry = !results.FoldersFailedUndo.empty();
    const std::size_t files = retry ? results.UndoRetry.size() : results.FilesCreated.size();
    UndoCountdown countdown(results, observer, undo, files, retry);
    PlanUndo(undo, page, results, lastAttachMode, lastDestination);
    undo.Watch(countdown);
    undo.DeleteFiles(); // files first, so copied structures are empty when their folders go
    undo.RemoveFolders();
    undo.BuildReport();

    std::vector<RunAnchor> anchors = std::move(results.Anchors);
    results.clearLists();
    results.Anchors = std::move(anchors); // what a retry reaches its failures through
    results.counters.resetResults();
    observer.resetLog(true);
    for (const auto& folder : undo.FailedFolders())
        RecordFailedUndo(results, observer, folder, ReasonOf(undo.Reasons(), folder));
    for (const auto& file : undo.FailedFiles())
        results.Reasons.insert_or_assign(file, ReasonOf(undo.Reasons(), file));
    results.FailedUndoIdentities = undo.FailedFolderIdentities();
    results.UndoRetry = undo.FailedFiles();
    results.UndoRetryIdentities = undo.FailedFileIdentities();
    results.AlreadyGone = undo.GoneItems();
    results.counters.alreadyGone = static_cast<double>(results.AlreadyGone.size());
    if (undo.Stopped())
        JournalWhatIsLeft(undo, results, observer);
    if (results.FoldersFailedUndo.empty())
        observer.countersChanged(results.counters);

    if (!undo.Report().empty())
        prompt.warn(undo.Report(), titles.report);
    if (const ItemProgress* progress = undo.Progress(); progress && progress->stopped())
        prompt.inform(StoppedText(StoppedWork::Undo, progress->done(), progress->total()),
                      titles.end);
    else
        prompt.inform(kUndoEndText, titles.end);
    return true;
}

} // namespace dirforge::engine
