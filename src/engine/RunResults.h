#pragma once
// A page's result store: the seven result lists, the 17 run counters, and the observer that
// the visual log implements to watch a run.

#include "core/PackedStrings.h"
#include "platform/FileIdentity.h"

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace dirforge::engine {

enum class AttachMode { Existing, TextTemplates, Nothing };

/// The letter a mode leaves in lastAttachMode: "F", "R" or "N".
const char* AttachModeLetter(AttachMode mode);

enum class CopyVariant {
    MainFolderWithoutFiles,
    SubFoldersOnlyWithoutFiles,
    MainFolderWithFiles,
    SubFoldersOnlyWithFiles
};

bool CopiesFiles(CopyVariant variant);
bool CopiesMainFolder(CopyVariant variant);

enum class CounterRow { Folders = 0, Subfolders, Files, Bytes };
enum class CounterColumn { ToCreate = 0, Created, Exist, Other };

/// The 4 x 4 grid of run counters plus the failed-undo counter.
struct RunCounters {
    std::array<std::array<double, 4>, 4> cells{};
    double failedUndo = 0;
    /// After an undo: items it was to remove that were no longer there (neither kept nor failed).
    double alreadyGone = 0;

    double& at(CounterRow row, CounterColumn column) {
        return cells[static_cast<int>(row)][static_cast<int>(column)];
    }
    double at(CounterRow row, CounterColumn column) const {
        return cells[static_cast<int>(row)][static_cast<int>(column)];
    }
    /// Zeroes everything except the "to create" column.
    void resetResults();
    /// Zeroes the "to create" column only.
    void resetToCreate();
};

/// The six result lists the visual log shows, in the log's order.
enum class ResultList {
    FoldersCreated = 0,
    SubFoldersCreated,
    FilesCreated,
    FoldersExist,
    FoldersOther,
    FoldersFailedUndo
};
inline constexpr int ResultListCount = 6;

/// Why each failed item failed, by its path ("permission denied", "a link stands here").
using FailureReasons = std::unordered_map<std::string, std::string>;

/// A folder a real run created below (a destination, a paths entry's deepest existing folder),
/// resolved once, with the identity it had then.
struct RunAnchor {
    std::string path;
    platform::FileIdentity identity;
};

/// The result store of one page: what the last real run did, and the journal its undo reads.
struct RunResults {
    std::vector<std::string> FoldersCreated;
    std::vector<std::string> SubFoldersCreated;
    std::vector<std::string> FilesCreated;
    std::vector<std::string> FoldersExist;
    std::vector<std::string> FoldersOther;
    std::vector<std::string> FoldersFailedUndo;
    /// Files an earlier undo could not delete; read only by the next undo.
    std::vector<std::string> UndoRetry;
    /// After an undo: the files and folders it found already gone (a killed undo's, or removed by
    /// hand). Reported once, never journaled or retried.
    std::vector<std::string> AlreadyGone;
    /// Every folder the last real run actually made, intermediate parents included. The undo
    /// removes only folders named here (or listed as failed), never one that existed before.
    /// Packed: a run of a million names makes a million folders or more.
    core::PackedStrings FoldersMadeByRun;
    /// Beside the path lists, in their order: the identity of each FoldersMadeByRun folder, of
    /// each FilesCreated file (after the copy), of each FoldersFailedUndo and UndoRetry entry.
    std::vector<platform::FolderIdentity> FolderIdentities;
    std::vector<platform::FileIdentity> FileIdentities;
    std::vector<platform::FileIdentity> FailedUndoIdentities;
    std::vector<platform::FileIdentity> UndoRetryIdentities;
    /// The folders the last real run created below; the undo reaches everything through them.
    std::vector<RunAnchor> Anchors;
    /// Beside the lists: the cause of every FoldersOther entry, of everything below a new folder
    /// that was not made or copied, and after an undo of every FoldersFailedUndo and UndoRetry
    /// entry. Not journaled: a cause describes the moment it happened.
    FailureReasons Reasons;
    RunCounters counters;

    std::vector<std::string>& list(ResultList which);
    const std::vector<std::string>& list(ResultList which) const;
    /// Clears the six shown lists, the made-by-run record, the anchors and their identities (not
    /// UndoRetry).
    void clearLists();
    /// Clears UndoRetry and its identities.
    void clearUndoRetry();
};

/// Watches a run or an undo: the visual log implements it. Every call may be frequent; throttle
/// repaints.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    /// A run starts: clear the six lists and show the mode (real run or simulation).
    virtual void resetLog(bool /*realRun*/) {}
    /// Shows the log window (when "Show Visual Log" is checked).
    virtual void showLog() {}
    /// An entry was added to one of the log's lists.
    virtual void recorded(ResultList /*list*/, const std::string& /*path*/) {}
    /// Why the item at path failed: an entry just recorded under other reasons or failed undo,
    /// or something below a new folder that was not made or copied (counted, in no list).
    virtual void failed(const std::string& /*path*/, const std::string& /*reason*/) {}
    /// The counters changed (RefreshLogCounters).
    virtual void countersChanged(const RunCounters& /*counters*/) {}
    /// done of total items of a run, a simulation or an undo are finished.
    virtual void progressed(std::uint64_t /*done*/, std::uint64_t /*total*/) {}
    /// Asked between items: true ends the work after the item in hand (the Stop button).
    virtual bool stopRequested() { return false; }
};

} // namespace dirforge::engine
