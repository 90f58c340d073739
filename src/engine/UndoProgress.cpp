#include "engine/UndoProgress.h"

#include "engine/ReasonTexts.h"
#include "engine/ResultRecording.h"

#include <algorithm>

namespace dirforge::engine {

namespace {

void CountDown(double& counter, double gone) {
    counter = std::max(0.0, counter - std::max(0.0, gone));
}

} // namespace

UndoCountdown::UndoCountdown(RunResults& results, RunObserver& log, const FolderFileUndo& undo,
                             std::size_t files, bool retry)
    : results_(results), log_(log), undo_(undo), start_(results.counters), files_(files),
      retry_(retry) {}

void UndoCountdown::progressed(std::uint64_t done, std::uint64_t total) {
    // Files go first; failures are counted among the items done but removed nothing.
    const std::uint64_t filesDone = std::min<std::uint64_t>(done, files_);
    const double filesGone = static_cast<double>(filesDone - undo_.FailedFiles().size());
    const double foldersGone = static_cast<double>(done - filesDone - undo_.FailedFolders().size());
    RunCounters counters = start_;
    CountDown(counters.at(CounterRow::Files, CounterColumn::Created), filesGone);
    if (retry_) {
        CountDown(counters.failedUndo, foldersGone);
    } else {
        // Deepest first: the subfolders go before the folders they were attached to.
        const double subfolders = counters.at(CounterRow::Subfolders, CounterColumn::Created);
        CountDown(counters.at(CounterRow::Subfolders, CounterColumn::Created), foldersGone);
        CountDown(counters.at(CounterRow::Folders, CounterColumn::Created),
                  foldersGone - subfolders);
    }
    results_.counters = counters;
    log_.countersChanged(counters);
    log_.progressed(done, total);
}

void JournalWhatIsLeft(const FolderFileUndo& undo, RunResults& results, RunObserver& observer) {
    // Identities go with the paths: an entry without one is never removed by the next Undo.
    for (const auto& folder : undo.LeftFolders())
        RecordFailedUndo(results, observer, folder, kReasonNotReached);
    for (const auto& file : undo.LeftFiles())
        results.Reasons.insert_or_assign(file, kReasonNotReached);
    const auto& folderIds = undo.LeftFolderIdentities();
    results.FailedUndoIdentities.insert(results.FailedUndoIdentities.end(), folderIds.begin(),
                                        folderIds.end());
    results.UndoRetry.insert(results.UndoRetry.end(), undo.LeftFiles().begin(),
                             undo.LeftFiles().end());
    const auto& fileIds = undo.LeftFileIdentities();
    results.UndoRetryIdentities.insert(results.UndoRetryIdentities.end(), fileIds.begin(),
                                       fileIds.end());
}

} // namespace dirforge::engine
