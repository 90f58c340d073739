#pragma once
// What the main window keeps per page between runs: the result store (the undo's journal), the
// last attach mode and destination, the folder the structure copy writes into, and the sizes of
// the page's structures.

#include "engine/RunResults.h"
#include "engine/StructureSnapshot.h"
#include "engine/StructureTotals.h"

#include <string>

namespace dirforge::engine {

/// One page's run state, alive from program start to exit.
struct PageRunState {
    RunResults results;
    /// "F", "R" or "N": the attach of the last folder a real run created; read by the undo.
    std::string lastAttachMode;
    /// Trimmed destination with a trailing backslash, set by every real run (not on the paths
    /// page).
    std::string lastDestination;
    /// The folder the structure copy currently writes into (no trailing backslash).
    std::string copyTarget;
    /// Structure sizes of the last PrepareTargetCounts; the copy reads FileSizeMap as it copies.
    StructureTotals totals;
    FileSizeMap fileSizes;
    /// The structures as that scan listed them: what the copy of the next run copies.
    StructureSnapshot snapshot;
};

} // namespace dirforge::engine
