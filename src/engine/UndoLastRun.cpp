// The page operation behind each Undo button.

#include "engine/FolderFileUndo.h"
#include "engine/ProgressText.h"
#include "engine/ResultRecording.h"
#include "engine/UndoProgress.h"

#include <utility>

namespace dirforge::engine {

namespace {

constexpr const char* kNoUndoStringsText =
    "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must create at least one folder to "
    "UNDO them.";
constexpr const char* kNoUndoOtherText =
    "No UNDO process !!!\nThere are no created folders (and files) !!!\nYou must create at least one folders "
    "and files to UNDO them.";

constexpr UndoTitles kStringsTitles{
    "Creating Folder(s).-From a String List.            Warning no: 20055.",
    "Creating Folder(s).-From a String List.            Information no: 20056.",
    "Creating Folder(s).-From a String List.            Information no: 20057.",
    "Creating Folder(s).-From a String List.            Information no: 20058.",
    kNoUndoStringsText,
};
constexpr UndoTitles kNumbersTitles{
    "Creating Folder(s).-Increased Numbers.            Warning no: 30036.",
    "Creating Folder(s).-Increased Numbers.            Information no: 30037.",
    "Creating Folder(s).- Increased Numbers.            Information no: 30038.",
    "Creating Folder(s).-Increased Numbers.            Information no: 30039.",
    kNoUndoOtherText,
};
constexpr UndoTitles kPathsTitles{
    "Creating Folder(s).- From a Folder List.            Warning no: 40050.",
    "Creating Folder(s).- From a Folder List.            Information no: 40051.",
    "Creating Folder(s).- From a Folder List.            Information no: 40052.",
    "Creating Folder(s).- From a Folder List.            Information no: 40053.",
    kNoUndoOtherText,
};

/// Fills the executor from the journal (moved: the journal is cleared after the undo anyway)
/// and chooses its plan.
void PlanUndo(FolderFileUndo& undo, PageKind page, RunResults& results, const std::string& lastAttachMode,
              const std::string& lastDestination) {
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

const UndoTitles& UndoTitlesFor(PageKind page) {
    switch (page) {
    case PageKind::Strings:
        return kStringsTitles;
    case PageKind::Numbers:
        return kNumbersTitles;
    case PageKind::Paths:
        break;
    }
    return kPathsTitles;
}

bool UndoLastRun(PageKind page, RunResults& results, const std::string& lastAttachMode,
                 const std::string& lastDestination, platform::FileSystem& fs, platform::Prompt& prompt,
                 RunObserver& observer) {
    const UndoTitles& titles = UndoTitlesFor(page);
    // Folders a run made before a target failed are undoable even when no target was created.
    if (results.FoldersFailedUndo.empty() && results.FoldersCreated.empty() && results.FoldersMadeByRun.empty()) {
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
        RecordFailedUndo(results, observer, folder);
    results.FailedUndoIdentities = undo.FailedFolderIdentities();
    results.UndoRetry = undo.FailedFiles();
    results.UndoRetryIdentities = undo.FailedFileIdentities();
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
