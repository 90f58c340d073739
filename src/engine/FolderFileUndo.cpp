#include "engine/FolderFileUndo.h"

#include "core/PathChecks.h"
#include "core/TextRules.h"

#include <algorithm>

namespace dirforge::engine {

namespace {

/// True when a path is already in the form Comparable gives it (the common case: a target the
/// run composed), so the copy can be skipped.
bool AlreadyComparable(const std::string& path) {
    if (path.empty())
        return true;
    if (static_cast<unsigned char>(path.front()) <= 32 || static_cast<unsigned char>(path.back()) <= 32 ||
        path.back() == '\\')
        return false;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        if (c == '/' || ((c == '\\' || c == ':') && i + 1 < path.size() && path[i + 1] == c))
            return false;
    }
    return true;
}

/// The form paths are compared in: trimmed, normalised like a target, no trailing backslash.
std::string Comparable(const std::string& path) {
    if (AlreadyComparable(path))
        return path;
    std::string key = core::NormalizeTarget(core::Trim(path));
    if (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

std::string WithoutTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

} // namespace

std::string ParentFolder(const std::string& path) {
    const std::string slashed = core::ToBackslashes(path);
    const auto last = slashed.rfind('\\');
    if (last == std::string::npos)
        return WithoutTrailingBackslash(slashed);
    return WithoutTrailingBackslash(core::TrimSpaces(std::string_view(slashed).substr(0, last + 1)));
}

FolderFileUndo::FolderFileUndo(platform::FileSystem& fs) : fs_(fs) {}

void FolderFileUndo::AddFolders(std::vector<std::string> folders) {
    Folders = std::move(folders);
    removableBuilt_ = false;
}

void FolderFileUndo::AddSubFolders(std::vector<std::string> subFolders) {
    SubFolders = std::move(subFolders);
    removableBuilt_ = false;
}

void FolderFileUndo::AddMadeByRun(std::vector<std::string> made) {
    MadeByRun = std::move(made);
    removableBuilt_ = false;
}

void FolderFileUndo::BuildRemovable() {
    if (removableBuilt_)
        return;
    // Keys view the lists' own texts, or a normalised copy kept in normalisedKeys_; the lists
    // are not touched again until the next Add, which rebuilds the table.
    Removable.clear();
    normalisedKeys_.clear();
    Removable.reserve(Folders.size() + SubFolders.size() + MadeByRun.size());
    const std::vector<std::string>* lists[] = {&Folders, &SubFolders, &MadeByRun};
    for (std::size_t which = 0; which < 3; ++which) {
        std::vector<RemovableFolder*>& entries = ownEntries_[which];
        entries.clear();
        entries.reserve(lists[which]->size());
        for (const auto& folder : *lists[which]) {
            if (AlreadyComparable(folder)) {
                entries.push_back(&Removable.try_emplace(folder, RemovableFolder{&folder}).first->second);
                continue;
            }
            std::string key = Comparable(folder);
            auto found = Removable.find(key);
            if (found == Removable.end()) {
                const std::string& kept = normalisedKeys_.emplace_back(std::move(key));
                found = Removable.emplace(kept, RemovableFolder{&kept}).first;
            }
            entries.push_back(&found->second);
        }
    }
    plan_.reserve(Removable.size());
    removableBuilt_ = true;
}

void FolderFileUndo::AddStopFolder(const std::string& folder) {
    StopFolders.insert(Comparable(folder));
}

void FolderFileUndo::Schedule(const std::string& path) {
    if (AlreadyComparable(path))
        ScheduleKey(path); // the common case needs no copy
    else
        ScheduleKey(Comparable(path));
}

void FolderFileUndo::ScheduleKey(std::string_view key) {
    BuildRemovable();
    const auto found = Removable.find(key);
    if (found != Removable.end()) // else not made by the run
        ScheduleFolder(found->second);
}

void FolderFileUndo::ScheduleFolder(RemovableFolder& folder) {
    if (folder.scheduled)
        return;
    folder.scheduled = true;
    // Scheduled in the normalised form, so "f:\A\" and "f:/A" sort as the folder they name.
    plan_.push_back({core::CountSeparators(*folder.text), folder.text});
}

void FolderFileUndo::ScheduleOwn(OwnList list) {
    BuildRemovable();
    // Every line of an own list has its entry already: the same as ScheduleDirect without lookups.
    for (RemovableFolder* folder : ownEntries_[static_cast<std::size_t>(list)])
        ScheduleFolder(*folder);
}

void FolderFileUndo::ScheduleDirect(const std::vector<std::string>& paths, bool stripTrailing) {
    for (const auto& path : paths) {
        if (stripTrailing && !path.empty() && path.back() == '\\')
            Schedule(WithoutTrailingBackslash(path));
        else
            Schedule(path);
    }
}

void FolderFileUndo::WalkUp(const std::vector<std::string>& paths) {
    for (const auto& start : paths) {
        std::string p = WithoutTrailingBackslash(start);
        while (!p.empty()) {
            const std::string key = Comparable(p);
            if (StopFolders.count(key) != 0 || !Visited.insert(key).second)
                break; // a stop folder, or the rest of this walk was done from another path
            Schedule(p); // passed over unless the run made it
            std::string parent = ParentFolder(p);
            if (parent == p)
                break; // a path without backslash is its own parent: the walk has reached the top
            p = std::move(parent);
        }
    }
}

void FolderFileUndo::SchedulePlan(PageKind page, const std::string& mode, bool retry) {
    const bool pathsPage = page == PageKind::Paths;
    bool listsScheduled = false; // both lists scheduled directly
    if (retry) {
        ScheduleOwn(OwnList::Folders);
        if (!pathsPage)
            ScheduleOwn(OwnList::SubFolders);
        listsScheduled = !pathsPage;
    } else if (!pathsPage) {
        if (mode == "R") {
            AddStopFolder(Destination);
            WalkUp(Folders);
            WalkUp(SubFolders);
        } else if (mode == "F" || mode == "N") {
            ScheduleOwn(OwnList::Folders);
            ScheduleOwn(OwnList::SubFolders);
            listsScheduled = true;
        }
    } else if (mode == "F" || mode == "R" || mode == "N") {
        for (const auto& folder : Folders)
            AddStopFolder(core::DrivePart(core::Trim(folder)));
        if (mode != "R")
            WalkUp(Folders);
        if (mode == "F")
            ScheduleOwn(OwnList::SubFolders);
        if (mode == "R")
            WalkUp(SubFolders);
    }
    // Whatever the row reached, every folder the run made is removed when it is empty.
    if (!listsScheduled) {
        ScheduleOwn(OwnList::Folders);
        ScheduleOwn(OwnList::SubFolders);
    }
    ScheduleOwn(OwnList::MadeByRun);
}

bool FolderFileUndo::BelowALink(const std::string& path) {
    BuildRemovable();
    // Above the path, only folders the run made can have been swapped for a link since.
    const std::string normalised = AlreadyComparable(path) ? std::string() : Comparable(path);
    std::string_view parent = normalised.empty() ? std::string_view(path) : std::string_view(normalised);
    for (auto cut = parent.rfind('\\'); cut != std::string_view::npos; cut = parent.rfind('\\')) {
        parent = parent.substr(0, cut);
        if (!MayRemove(parent))
            break;
        auto cached = linkCache_.find(std::string(parent));
        if (cached == linkCache_.end())
            cached = linkCache_.emplace(std::string(parent), fs_.isLink(std::string(parent))).first;
        if (cached->second)
            return true;
    }
    return false;
}

void FolderFileUndo::Watch(RunObserver& observer) {
    progress_.emplace(observer, Files.size() + plan_.size());
}

void FolderFileUndo::DeleteFiles() {
    for (const auto& entry : Files) {
        const std::string file = core::Trim(entry);
        if (Stopping()) {
            leftFiles_.push_back(file);
            continue;
        }
        // Deleting a link would remove something the run never made: it stays and is reported.
        if (fs_.isLink(file) || BelowALink(file) || !fs_.deleteFile(file))
            failedFiles_.push_back(file);
        Advance();
    }
}

void FolderFileUndo::RemoveFolders() {
    // Deepest first; within one depth the last scheduled first.
    std::stable_sort(plan_.begin(), plan_.end(),
                     [](const PlannedFolder& a, const PlannedFolder& b) { return a.depth < b.depth; });
    for (auto it = plan_.rbegin(); it != plan_.rend(); ++it) {
        const std::string& folder = *it->path; // already trimmed and normalised
        if (Stopping()) {
            leftFolders_.push_back(folder);
            continue;
        }
        if (BelowALink(folder)) {
            failedFolders_.push_back(folder);
            Advance();
            continue;
        }
        // Removing an empty folder never follows a link standing at the path itself (it fails
        // there), so a link is only looked for when the removal failed. A folder already gone
        // is passed over; one still there (not empty, in use, protected, a link) is reported.
        if (!fs_.removeEmptyFolder(folder) && (fs_.isLink(folder) || fs_.folderExists(folder)))
            failedFolders_.push_back(folder);
        Advance();
    }
}

AS_MULTIMAP_NIVO_FOLDER_NAMES FolderFileUndo::Plan() const {
    AS_MULTIMAP_NIVO_FOLDER_NAMES plan;
    for (const PlannedFolder& entry : plan_)
        plan.emplace(entry.depth, *entry.path); // equal depths keep their scheduling order
    return plan;
}

void FolderFileUndo::BuildReport() {
    report_.clear();
    failureLines_.clear();
    if (!failedFolders_.empty() || !failedFiles_.empty())
        report_ = "The program is unable to delete the following folders, and/or separate files : \n";
    for (const auto& folder : failedFolders_)
        failureLines_ += folder + "\n";
    for (const auto& file : failedFiles_)
        failureLines_ += file + "\n";
    if (!failureLines_.empty())
        report_ += "\nOTHER REASONS   : \n\n" + failureLines_;
}

} // namespace dirforge::engine
