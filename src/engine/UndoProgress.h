#pragma once
// An undo watched while it works: the visual log's counters count down as files and folders
// go, and after a stop what the undo did not reach is journaled for the next Undo.

#include "engine/FolderFileUndo.h"

#include <cstddef>

namespace dirforge::engine {

/// Stands between an undo and the page's observer: as files and folders go, the counters of
/// what the run created (or, in a retry, of the failed undo) count down; progress and Stop
/// pass through.
class UndoCountdown : public RunObserver {
public:
    /// files: how many files the undo deletes before its folders; retry: an earlier undo's
    /// failures.
    UndoCountdown(RunResults& results, RunObserver& log, const FolderFileUndo& undo,
                  std::size_t files, bool retry);

    void progressed(std::uint64_t done, std::uint64_t total) override;
    bool stopRequested() override { return log_.stopRequested(); }

private:
    RunResults& results_;
    RunObserver& log_;
    const FolderFileUndo& undo_;
    const RunCounters start_;
    const std::size_t files_;
    const bool retry_;
};

/// After a stop, what the undo did not reach stays journaled as a retry: its folders are listed
/// as failed undo and its files join the retry files, so the next Undo goes on from there.
void JournalWhatIsLeft(const FolderFileUndo& undo, RunResults& results, RunObserver& observer);

} // namespace dirforge::engine
