#include "engine/FolderFileUndo.h"

#include "core/PathChecks.h"
#include "core/TextRules.h"

namespace dirforge::engine {

namespace {

/// The form paths are compared in: trimmed, normalised like a target, no trailing backslash.
std::string Comparable(const std::string& path) {
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

void FolderFileUndo::AddFolders(const std::vector<std::string>& folders) {
    Folders = folders;
    for (const auto& folder : Folders)
        Removable.insert(Comparable(folder));
}

void FolderFileUndo::AddSubFolders(const std::vector<std::string>& subFolders) {
    SubFolders = subFolders;
    for (const auto& folder : SubFolders)
        Removable.insert(Comparable(folder));
}

void FolderFileUndo::AddMadeByRun(const std::vector<std::string>& made) {
    MadeByRun = made;
    for (const auto& folder : MadeByRun)
        Removable.insert(Comparable(folder));
}

void FolderFileUndo::AddStopFolder(const std::string& folder) {
    StopFolders.insert(Comparable(folder));
}

void FolderFileUndo::Schedule(const std::string& path) {
    std::string key = Comparable(path);
    if (key.empty() || !MayRemove(key) || !Scheduled.insert(key).second)
        return;
    // The depth of the normalised form, so "f:\A\" and "f:/A" sort as the folder they name.
    plan_.emplace(core::CountSeparators(key), WithoutTrailingBackslash(core::Trim(path)));
}

void FolderFileUndo::ScheduleDirect(const std::vector<std::string>& paths, bool stripTrailing) {
    for (const auto& path : paths)
        Schedule(stripTrailing ? WithoutTrailingBackslash(path) : path);
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
    if (retry) {
        ScheduleDirect(Folders, true);
        if (!pathsPage)
            ScheduleDirect(SubFolders, false);
    } else if (!pathsPage) {
        if (mode == "R") {
            AddStopFolder(Destination);
            WalkUp(Folders);
            WalkUp(SubFolders);
        } else if (mode == "F" || mode == "N") {
            ScheduleDirect(Folders, true);
            ScheduleDirect(SubFolders, false);
        }
    } else if (mode == "F" || mode == "R" || mode == "N") {
        for (const auto& folder : Folders)
            AddStopFolder(core::DrivePart(core::Trim(folder)));
        if (mode != "R")
            WalkUp(Folders);
        if (mode == "F")
            ScheduleDirect(SubFolders, false);
        if (mode == "R")
            WalkUp(SubFolders);
    }
    // Whatever the row reached, every folder the run made is removed when it is empty.
    ScheduleDirect(Folders, true);
    ScheduleDirect(SubFolders, false);
    ScheduleDirect(MadeByRun, true);
}

bool FolderFileUndo::ReachedThroughLink(const std::string& path) {
    if (fs_.isLink(path))
        return true;
    // Above the path, only folders the run made can have been swapped for a link since.
    std::string p = path;
    for (std::string parent = ParentFolder(p); parent != p; p = parent, parent = ParentFolder(p)) {
        const std::string key = Comparable(parent);
        if (!MayRemove(key))
            break;
        auto cached = linkCache_.find(key);
        if (cached == linkCache_.end())
            cached = linkCache_.emplace(key, fs_.isLink(parent)).first;
        if (cached->second)
            return true;
    }
    return false;
}

void FolderFileUndo::DeleteFiles() {
    for (const auto& entry : Files) {
        const std::string file = core::Trim(entry);
        if (ReachedThroughLink(file) || !fs_.deleteFile(file))
            failedFiles_.push_back(file);
    }
}

void FolderFileUndo::RemoveFolders() {
    for (auto it = plan_.rbegin(); it != plan_.rend(); ++it) {
        const std::string folder = core::Trim(it->second);
        if (ReachedThroughLink(folder)) {
            failedFolders_.push_back(folder);
            continue;
        }
        if (!fs_.removeEmptyFolder(folder) && fs_.folderExists(folder))
            failedFolders_.push_back(folder); // not empty, in use or protected; gone is fine
    }
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
