#pragma once
// Recording a run's outcomes: each record updates the page's counters and tells the visual log;
// a real run also journals it in the result lists that the undo and the export read.

#include "engine/JournalWriter.h"
#include "engine/RunResults.h"
#include "engine/StructureTotals.h"

#include <string>

namespace dirforge::engine {

/// Where records go. A simulation writes counters and the log only (journal = false).
struct RecordSink {
    RunResults& results;
    RunObserver& observer;
    bool journal = true;
    /// The undo journal written ahead, told of every created folder (null: none).
    JournalWriter* writer = nullptr;
};

/// Tells the log the counters changed (it repaints, throttled as it likes).
void RefreshLogCounters(const RecordSink& sink);
/// Adds amount to one counter cell, then RefreshLogCounters.
void AddToCounter(const RecordSink& sink, CounterRow row, CounterColumn column, double amount);

/// A target folder created by the run: FoldersCreated, Folders/Created + 1.
void RecordCreated(const RecordSink& sink, const std::string& path);
/// A target that already existed: Folders/Exist + 1, plus `added` in the structure rows.
void RecordExisting(const RecordSink& sink, const std::string& path, const StructureTotals& added);
/// A target not created for another reason: Folders/Other + 1, plus `added` in the structure rows.
void RecordOther(const RecordSink& sink, const std::string& path, const StructureTotals& added,
                 const std::string& reason);
/// A folder created while attaching a structure or template: Subfolders/Created + 1.
void RecordCreatedSubfolder(const RecordSink& sink, const std::string& path);
/// A file copied while attaching a structure: Files/Created + 1 (bytes are added by the caller).
void RecordCreatedFile(const RecordSink& sink, const std::string& path);
/// A template subfolder that exists: Subfolders/Exist + 1, shown in the log's "already exist"
/// list but not journaled in FoldersExist.
void RecordExistingTemplateFolder(const RecordSink& sink, const std::string& path);
/// A template subfolder not made (no path, or the folder could not be made): Subfolders/Other
/// + 1 and path in the "other reasons" list.
void RecordOtherSubfolder(const RecordSink& sink, const std::string& path,
                          const std::string& reason);
/// Why path failed: kept beside the lists (a real run) and told to the log.
void RecordReason(const RecordSink& sink, const std::string& path, const std::string& reason);
/// A structure not copied into a new folder: its totals under the structure rows' other reasons.
void RecordStructureNotCopied(const RecordSink& sink, const StructureTotals& totals);

/// The cause kept for path, or "could not be removed" when none was.
std::string ReasonOf(const FailureReasons& reasons, const std::string& path);

/// A folder the undo could not remove: FoldersFailedUndo and the failed-undo counter + 1.
void RecordFailedUndo(RunResults& results, RunObserver& observer, const std::string& path,
                      const std::string& reason);

} // namespace dirforge::engine
