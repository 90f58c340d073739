#pragma once
// The undo of a page's last real run: files first, then folders when empty, deepest first.
// Each item is reached below the folder the run created it in (its anchor, which must still be
// the same folder), never through a symbolic link, and removed only when its identity is the one
// the run recorded: a file edited since the run, anything swapped or unrecorded stays and is
// reported.

#include "core/PackedStrings.h"
#include "engine/ItemProgress.h"
#include "engine/PageKind.h"
#include "engine/RemovableFolders.h"
#include "engine/RunResults.h"
#include "platform/FileSystem.h"
#include "platform/Prompt.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace dirforge::engine {

/// Depth (separator count) to folder path; equal depths keep their insertion order.
using AS_MULTIMAP_NIVO_FOLDER_NAMES = std::multimap<std::uint32_t, std::string>;
using AS_PAIR_NIVO_FOLDER_NAMES = AS_MULTIMAP_NIVO_FOLDER_NAMES::value_type;

/// Text up to the last backslash, blanks trimmed, one trailing backslash removed; a path
/// without backslash is its own parent. ParentFolder("f:\Clients\A") is "f:\Clients".
std::string ParentFolder(const std::string& path);

/// Executes one undo. Fill the lists, choose the plan, then DeleteFiles, RemoveFolders,
/// BuildReport.
class FolderFileUndo {
public:
    explicit FolderFileUndo(platform::FileSystem& fs);

    /// The stop folder of a template-mode undo on the strings and numbers pages.
    void SetDestination(const std::string& destination) { Destination = destination; }
    /// Replace the folders, subfolders and files this undo is to remove; listed folders may be
    /// removed. identities (same order) are given for an earlier undo's failures.
    void AddFolders(std::vector<std::string> folders,
                    std::vector<platform::FileIdentity> identities = {});
    void AddSubFolders(std::vector<std::string> subFolders);
    /// identities: each file's as the run recorded it; a file without one is never deleted.
    void AddFiles(std::vector<std::string> files,
                  std::vector<platform::FileIdentity> identities = {});
    /// Every folder the run made (intermediate parents included) with its identity: each may be
    /// removed, and SchedulePlan schedules those no plan row reached.
    void AddMadeByRun(core::PackedStrings made,
                      std::vector<platform::FolderIdentity> identities = {});
    /// The folders the run created below, each with the identity it had then.
    void AddAnchors(std::vector<RunAnchor> anchors);

    /// Adds a stop folder of the walk-up, compared in normalised form without trailing backslash.
    void AddStopFolder(const std::string& folder);
    /// Schedules each path (one trailing backslash removed if stripTrailing) that may be removed.
    void ScheduleDirect(const std::vector<std::string>& paths, bool stripTrailing);
    /// Schedules each path and its parents up to a stop folder or the drive, each once; folders
    /// the run did not make are passed over (never removed).
    void WalkUp(const std::vector<std::string>& paths);
    /// Sets the stop folders and schedules by the row of page and mode ("F", "R", "N"; retry
    /// when the folders are an earlier undo's failures), then every made folder not yet scheduled.
    void SchedulePlan(PageKind page, const std::string& mode, bool retry);

    /// Tells observer of every file and folder done and asks it, before each, whether to stop;
    /// once stopped, what is not done yet goes to LeftFiles and LeftFolders. Call after planning.
    void Watch(RunObserver& observer);

    /// Deletes every listed file (trimmed) that is still the one the run copied; every other
    /// goes to FailedFiles (missing, edited since, swapped, reached through a link).
    void DeleteFiles();
    /// Removes the scheduled folders deepest first when each is empty and still the one the run
    /// made; one still there afterwards goes to FailedFolders. A folder already gone is passed
    /// over.
    void RemoveFolders();
    /// Report = header and the failure lines (folders, then files); "" when nothing failed.
    void BuildReport();

    const std::vector<std::string>& FailedFolders() const { return failedFolders_; }
    const std::vector<std::string>& FailedFiles() const { return failedFiles_; }
    /// The recorded identities of the failures, in the same order (kept for the retry).
    const std::vector<platform::FileIdentity>& FailedFolderIdentities() const {
        return failedFolderIds_;
    }
    const std::vector<platform::FileIdentity>& FailedFileIdentities() const {
        return failedFileIds_;
    }
    const std::string& Report() const { return report_; }
    /// Why each of FailedFolders and FailedFiles was kept ("not empty", "changed since it was
    /// copied"), by path.
    const FailureReasons& Reasons() const { return reasons_; }
    /// The files and folders found already gone, in the order they were met.
    const std::vector<std::string>& GoneItems() const { return gone_; }
    /// After a stop: the files and folders not tried yet, in the order they would have been.
    const std::vector<std::string>& LeftFiles() const { return leftFiles_; }
    const std::vector<std::string>& LeftFolders() const { return leftFolders_; }
    /// The recorded identities of what is left, in the same order.
    const std::vector<platform::FileIdentity>& LeftFileIdentities() const { return leftFileIds_; }
    const std::vector<platform::FileIdentity>& LeftFolderIdentities() const {
        return leftFolderIds_;
    }
    /// Whether the undo was stopped before its last item, and how far it came.
    bool Stopped() const { return progress_ && progress_->stopped(); }
    const ItemProgress* Progress() const { return progress_ ? &*progress_ : nullptr; }
    const std::string& FailureLines() const { return failureLines_; }
    /// The scheduled folders by depth, equal depths in scheduling order.
    AS_MULTIMAP_NIVO_FOLDER_NAMES Plan() const;

private:
    /// Fills the removable entries from the three lists once after they changed.
    void BuildRemovable();
    void Schedule(const std::string& path);
    void ScheduleKey(std::string_view key);
    void ScheduleFolder(RemovableFolders::Folder& folder);
    /// ScheduleDirect over one of the three lists, through the entries BuildRemovable found.
    enum class OwnList { Folders, SubFolders, MadeByRun };
    void ScheduleOwn(OwnList list);
    /// Before each item: true (and nothing is done) once a stop was asked for.
    bool Stopping() {
        if (sharedStop_ != nullptr)
            return sharedStop_->load();
        return progress_ && progress_->stopping();
    }
    void Advance() {
        if (sharedDone_ != nullptr)
            ++*sharedDone_;
        if (progress_)
            progress_->advance();
    }
    /// Deletes Files[begin, end) in order (DeleteFiles one file after another).
    void DeleteFileRange(std::size_t begin, std::size_t end);
    /// DeleteFiles on a slow drive: the files in `workers` runs of the list at once, each by a
    /// helper of its own (its own anchors), their outcomes taken back in the list's order.
    void DeleteFilesAtOnce(std::size_t workers);
    /// RemoveFolders on a slow drive: the folders of one depth at once (none holds another), by
    /// helpers with their own anchors; the outcomes taken back in the plan's order.
    void RemoveFoldersAtOnce(std::size_t workers);
    /// Helpers over this undo's anchors, for work on several folders at once.
    std::vector<std::unique_ptr<FolderFileUndo>> Helpers(std::size_t workers);
    /// Takes the causes the helpers noted.
    void TakeReasons(const std::vector<std::unique_ptr<FolderFileUndo>>& helpers);
    /// The open anchor that holds path (the deepest recorded one strictly above it); null when
    /// none is recorded or it is no longer the folder the run created below (*refused then).
    platform::AnchoredFolder* AnchorOf(const std::string& path, bool& refused);
    platform::AnchoredFolder* FindAnchor(const std::string& path, bool& refused);
    /// The folder directly above a recorded anchor, held: anchors beside one another open from
    /// it, one look-up each on a network share. Null for a drive's root or a missing folder.
    platform::AnchoredFolder* AboveOf(const std::string& anchor);
    /// Removes one folder or file below its anchor; the outcome decides what is reported.
    platform::RemoveOutcome RemoveItem(const std::string& path,
                                       const platform::FileIdentity* identity, bool folder);

    platform::FileSystem& fs_;
    std::string Destination;
    std::vector<std::string> Folders, SubFolders, Files;
    core::PackedStrings MadeByRun;
    std::vector<platform::FolderIdentity> FolderIds, MadeIds;
    std::vector<platform::FileIdentity> FileIds;
    /// The path of the folder being removed (its entry holds a view): no allocation per folder.
    std::string removalPath_;
    std::vector<std::string> failedFolders_, failedFiles_, gone_;
    std::vector<platform::FileIdentity> failedFolderIds_, failedFileIds_;
    FailureReasons reasons_;
    /// Recorded anchors, their lookup by comparable path, and the ones opened so far.
    std::vector<RunAnchor> anchors_;
    std::unordered_map<std::string, std::size_t> anchorIndex_;
    std::vector<std::unique_ptr<platform::AnchoredFolder>> openAnchors_;
    std::vector<signed char> anchorState_; // 0 not opened yet, 1 open, -1 refused
    std::unordered_map<std::string, std::unique_ptr<platform::AnchoredFolder>> above_;
    std::size_t openCount_ = 0;
    /// The folder of the last item looked up and its anchor: the items of one folder come together.
    std::string lastParent_;
    platform::AnchoredFolder* lastAnchor_ = nullptr;
    bool lastRefused_ = false;
    std::vector<std::string> leftFiles_, leftFolders_;
    std::vector<platform::FileIdentity> leftFileIds_, leftFolderIds_;
    std::optional<ItemProgress> progress_;
    /// A helper's: the Stop its owner passes on, and the items it has done.
    const std::atomic<bool>* sharedStop_ = nullptr;
    std::atomic<std::size_t>* sharedDone_ = nullptr;
    std::string report_, failureLines_;
    std::set<std::string> StopFolders, Visited;
    using RemovableFolder = RemovableFolders::Folder;
    struct PlannedFolder {
        std::uint32_t depth;
        std::uint32_t position; ///< of its removable entry
    };
    /// The plan in scheduling order.
    std::vector<PlannedFolder> plan_;
    /// Every folder the run made, with whether it is scheduled yet and its recorded identity.
    RemovableFolders removable_;
    /// For each of Folders, SubFolders and MadeByRun, the removable entry of every line.
    std::vector<std::uint32_t> ownEntries_[3];
    bool removableBuilt_ = false;
};

inline constexpr const char* kUndoQuestionText =
    "Do you want to delete all folders (and files)\ncreated last time ?";
inline constexpr const char* kUndoEndText = "End of Undo process !!!";

/// The page's Undo button: asks, removes what the last real run made (or retries an earlier
/// undo's failures), clears the results, journals the failures and reports. False when nothing
/// was undone (no journal, or the user said No).
bool UndoLastRun(PageKind page, RunResults& results, const std::string& lastAttachMode,
                 const std::string& lastDestination, platform::FileSystem& fs,
                 platform::Prompt& prompt, RunObserver& observer);

} // namespace dirforge::engine
