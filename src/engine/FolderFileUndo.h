#pragma once
// The undo of a page's last real run: files first, then folders when empty, deepest first.
// Only folders the run itself made are ever removed, and nothing is deleted through a symbolic
// link that has replaced one of them.

#include "engine/ItemProgress.h"
#include "engine/PageKind.h"
#include "engine/RunResults.h"
#include "platform/FileSystem.h"
#include "platform/Prompt.h"

#include <cstdint>
#include <deque>
#include <map>
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

/// Executes one undo. Fill the lists, choose the plan, then DeleteFiles, RemoveFolders, BuildReport.
class FolderFileUndo {
public:
    explicit FolderFileUndo(platform::FileSystem& fs);

    /// The stop folder of a template-mode undo on the strings and numbers pages.
    void SetDestination(const std::string& destination) { Destination = destination; }
    /// Replace the folders, subfolders and files this undo is to remove; listed folders may be removed.
    void AddFolders(std::vector<std::string> folders);
    void AddSubFolders(std::vector<std::string> subFolders);
    void AddFiles(std::vector<std::string> files) { Files = std::move(files); }
    /// Every folder the run made (intermediate parents included): each may be removed, and
    /// SchedulePlan schedules those no plan row reached.
    void AddMadeByRun(std::vector<std::string> made);

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

    /// Deletes every listed file (trimmed); failures and files reached through a link go to FailedFiles.
    void DeleteFiles();
    /// Removes the scheduled folders deepest first; one still there afterwards, or reached
    /// through a link, goes to FailedFolders. A folder already gone is passed over.
    void RemoveFolders();
    /// Report = header and the failure lines (folders, then files); "" when nothing failed.
    void BuildReport();

    const std::vector<std::string>& FailedFolders() const { return failedFolders_; }
    const std::vector<std::string>& FailedFiles() const { return failedFiles_; }
    const std::string& Report() const { return report_; }
    /// After a stop: the files and folders not tried yet, in the order they would have been.
    const std::vector<std::string>& LeftFiles() const { return leftFiles_; }
    const std::vector<std::string>& LeftFolders() const { return leftFolders_; }
    /// Whether the undo was stopped before its last item, and how far it came.
    bool Stopped() const { return progress_ && progress_->stopped(); }
    const ItemProgress* Progress() const { return progress_ ? &*progress_ : nullptr; }
    const std::string& FailureLines() const { return failureLines_; }
    /// The scheduled folders by depth, equal depths in scheduling order.
    AS_MULTIMAP_NIVO_FOLDER_NAMES Plan() const;

private:
    /// Fills Removable from the three lists once after they changed.
    void BuildRemovable();
    void Schedule(const std::string& path);
    void ScheduleKey(std::string_view key);
    struct RemovableFolder;
    void ScheduleFolder(RemovableFolder& folder);
    /// ScheduleDirect over one of the three lists, through the entries BuildRemovable found.
    enum class OwnList { Folders, SubFolders, MadeByRun };
    void ScheduleOwn(OwnList list);
    bool MayRemove(std::string_view key) const { return Removable.count(key) != 0; }
    /// True when path lies below a folder the run made that has become a link.
    bool BelowALink(const std::string& path);
    /// Before each item: true (and nothing is done) once a stop was asked for.
    bool Stopping() { return progress_ && progress_->stopping(); }
    void Advance() {
        if (progress_)
            progress_->advance();
    }

    platform::FileSystem& fs_;
    std::string Destination;
    std::vector<std::string> Folders, SubFolders, Files, MadeByRun;
    std::vector<std::string> failedFolders_, failedFiles_;
    std::vector<std::string> leftFiles_, leftFolders_;
    std::optional<ItemProgress> progress_;
    std::string report_, failureLines_;
    std::set<std::string> StopFolders, Visited;
    /// The plan in scheduling order; each path is the text of a Removable entry.
    struct PlannedFolder {
        std::uint32_t depth;
        const std::string* path;
    };
    std::vector<PlannedFolder> plan_;
    /// Normalised paths of the folders the run made, each with whether it is scheduled yet.
    /// Keys view the text they point to: a list entry, or a normalised copy in normalisedKeys_.
    struct RemovableFolder {
        const std::string* text;
        bool scheduled = false;
    };
    std::unordered_map<std::string_view, RemovableFolder> Removable;
    /// For each of Folders, SubFolders and MadeByRun, the Removable entry of every line.
    std::vector<RemovableFolder*> ownEntries_[3];
    std::deque<std::string> normalisedKeys_; // keys that differ from their list's text
    bool removableBuilt_ = false;
    std::unordered_map<std::string, bool> linkCache_;
};

/// The titles and the no-undo text of one page's undo messages.
struct UndoTitles {
    const char* noUndo;
    const char* question;
    const char* report;
    const char* end;
    const char* noUndoText;
};
const UndoTitles& UndoTitlesFor(PageKind page);

inline constexpr const char* kUndoQuestionText = "Do you want to delete all folders (and files)\ncreated last time ?";
inline constexpr const char* kUndoEndText = "End of Undo process !!!";

/// The page's Undo button: asks, removes what the last real run made (or retries an earlier
/// undo's failures), clears the results, journals the failures and reports. False when nothing
/// was undone (no journal, or the user said No).
bool UndoLastRun(PageKind page, RunResults& results, const std::string& lastAttachMode,
                 const std::string& lastDestination, platform::FileSystem& fs, platform::Prompt& prompt,
                 RunObserver& observer);

} // namespace dirforge::engine
