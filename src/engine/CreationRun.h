#pragma once
// The creation run and its dry run, shared by the three pages: a page fills a RunRequest, the
// engine asks, creates (or only counts), attaches structures or templates and records every
// outcome in the page's PageRunState, telling the RunObserver as it goes.

#include "engine/JournalWriter.h"
#include "engine/PageRunState.h"
#include "engine/RunRequest.h"
#include "platform/FileSystem.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"

namespace dirforge::engine {

/// The outside world a run talks to.
struct RunServices {
    platform::FileSystem& fs;
    platform::Prompt& prompt;
    platform::Shell& shell;
    RunObserver& observer;
    /// A real run's undo journal, written ahead of every item (null: kept in the results only).
    JournalWriter* journal = nullptr;
};

/// Fills the "to create" column and refreshes StructureTotals and FileSizeMap (the page refresh
/// calls it after every change, so a run finds the totals current). With a structure to copy it
/// checks free space and shows the page's not-enough-space message; false when refused or when
/// there are no names.
bool PrepareTargetCounts(const RunRequest& request, PageRunState& state,
                         const RunServices& services, bool withFiles);

/// The paths whose drives a run writes to: the destination, or every entry of the paths page.
std::vector<std::string> DrivePathsOf(const RunRequest& request);

/// The real run: confirmation, reset of the results, then every name created and attached.
RunOutcome CreationRun(const RunRequest& request, PageRunState& state, const RunServices& services);

/// The dry run: the same road without writing to the disk; the last real run stays undoable.
RunOutcome SimulationRun(const RunRequest& request, PageRunState& state,
                         const RunServices& services);

} // namespace dirforge::engine
