#include "engine/FolderFileUndo.h"

#include "core/PathChecks.h"
#include "core/TextRules.h"
#include "engine/OverlapSetting.h"
#include "engine/ReasonTexts.h"
#include "engine/RunAnchors.h"
#include "platform/FailureReason.h"

#include <algorithm>

namespace dirforge::engine {

namespace {

/// How anchors and the paths below them are looked up: comparable, drive letter folded.
std::string AnchorKey(const std::string& path) {
    std::string key = ComparablePath(path);
    if (!key.empty() && key[0] >= 'A' && key[0] <= 'Z')
        key[0] = static_cast<char>(key[0] - 'A' + 'a');
    return key;
}

/// Open anchor handles kept at once (with the folders above them); more are closed and reopened
/// when needed again. Well below the usual limit of 1024 descriptors, and above the number of
/// parents a paths page's list usually spreads over: an undo that visits its parents in turn
/// keeps each open.
constexpr std::size_t kMostOpenAnchors = 256;

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
    return WithoutTrailingBackslash(
        core::TrimSpaces(std::string_view(slashed).substr(0, last + 1)));
}

FolderFileUndo::FolderFileUndo(platform::FileSystem& fs) : fs_(fs) {}

void FolderFileUndo::AddFolders(std::vector<std::string> folders,
                                std::vector<platform::FileIdentity> identities) {
    Folders = std::move(folders);
    FolderIds.clear();
    FolderIds.reserve(identities.size());
    for (const platform::FileIdentity& identity : identities)
        FolderIds.push_back(platform::FolderIdentity::of(identity));
    removableBuilt_ = false;
}

void FolderFileUndo::AddFiles(std::vector<std::string> files,
                              std::vector<platform::FileIdentity> identities) {
    Files = std::move(files);
    FileIds = std::move(identities);
}

void FolderFileUndo::AddAnchors(std::vector<RunAnchor> anchors) {
    anchors_ = std::move(anchors);
    anchorIndex_.clear();
    for (std::size_t i = 0; i < anchors_.size(); ++i)
        anchorIndex_.emplace(AnchorKey(anchors_[i].path), i);
    openAnchors_.clear();
    openAnchors_.resize(anchors_.size());
    anchorState_.assign(anchors_.size(), 0);
    openCount_ = 0;
    lastAnchor_ = nullptr;
}

void FolderFileUndo::AddSubFolders(std::vector<std::string> subFolders) {
    SubFolders = std::move(subFolders);
    removableBuilt_ = false;
}

void FolderFileUndo::AddMadeByRun(core::PackedStrings made,
                                  std::vector<platform::FolderIdentity> identities) {
    MadeByRun = std::move(made);
    MadeIds = std::move(identities);
    removableBuilt_ = false;
}

void FolderFileUndo::BuildRemovable() {
    if (removableBuilt_)
        return;
    // Texts are the lists' own, or normalised copies; the lists are not touched again until the
    // next Add, which rebuilds the entries.
    removable_.reset(Folders.size() + SubFolders.size() + MadeByRun.size(),
                     Folders.size() + SubFolders.size());
    // Identities come with the made folders (and with an earlier undo's failures); an identity
    // list that does not match its paths one to one is not trusted at all.
    std::size_t foldersEntries = 0, nextFolder = 0;
    const auto addList = [&](OwnList which, const auto& list,
                             const std::vector<platform::FolderIdentity>* ids) {
        std::vector<std::uint32_t>& entries = ownEntries_[static_cast<std::size_t>(which)];
        entries.clear();
        entries.reserve(list.size());
        const bool withIds = ids != nullptr && ids->size() == list.size();
        std::size_t i = 0;
        for (const std::string_view folder : list) {
            // The made folders repeat the created ones in their order, between the parents made
            // for them: most are found without a look-up.
            RemovableFolder& entry =
                which == OwnList::MadeByRun
                    ? removable_.entryInStep(folder, nextFolder, foldersEntries)
                    : removable_.entryFor(folder);
            if (withIds && entry.identity == nullptr)
                entry.identity = &(*ids)[i];
            entries.push_back(removable_.positionOf(entry));
            ++i;
        }
    };
    addList(OwnList::Folders, Folders, &FolderIds);
    foldersEntries = removable_.size();
    addList(OwnList::SubFolders, SubFolders, nullptr);
    addList(OwnList::MadeByRun, MadeByRun, &MadeIds);
    plan_.reserve(removable_.size());
    removableBuilt_ = true;
}

void FolderFileUndo::AddStopFolder(const std::string& folder) {
    StopFolders.insert(ComparablePath(folder));
}

void FolderFileUndo::Schedule(const std::string& path) {
    if (AlreadyComparable(path))
        ScheduleKey(path); // the common case needs no copy
    else
        ScheduleKey(ComparablePath(path));
}

void FolderFileUndo::ScheduleKey(std::string_view key) {
    BuildRemovable();
    if (RemovableFolder* folder = removable_.find(key)) // else not made by the run
        ScheduleFolder(*folder);
}

void FolderFileUndo::ScheduleFolder(RemovableFolder& folder) {
    if (folder.scheduled)
        return;
    folder.scheduled = true;
    // Scheduled in the normalised form, so "f:\A\" and "f:/A" sort as the folder they name.
    plan_.push_back({core::CountSeparators(folder.text), removable_.positionOf(folder)});
}

void FolderFileUndo::ScheduleOwn(OwnList list) {
    BuildRemovable();
    // Every line of an own list has its entry already: the same as ScheduleDirect without lookups.
    for (const std::uint32_t position : ownEntries_[static_cast<std::size_t>(list)])
        ScheduleFolder(removable_[position]);
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
            const std::string key = ComparablePath(p);
            if (StopFolders.count(key) != 0 || !Visited.insert(key).second)
                break;   // a stop folder, or the rest of this walk was done from another path
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

platform::AnchoredFolder* FolderFileUndo::AnchorOf(const std::string& path, bool& refused) {
    const std::string_view parent(path.data(), std::min(path.size(), path.rfind('\\')));
    if (lastAnchor_ != nullptr && parent == lastParent_) {
        refused = lastRefused_;
        return lastAnchor_;
    }
    platform::AnchoredFolder* anchor = FindAnchor(path, refused);
    lastParent_.assign(parent);
    lastAnchor_ = anchor;
    lastRefused_ = refused;
    return anchor;
}

platform::AnchoredFolder* FolderFileUndo::FindAnchor(const std::string& path, bool& refused) {
    refused = false;
    std::string key = AnchorKey(path);
    for (auto cut = key.rfind('\\'); cut != std::string::npos; cut = key.rfind('\\')) {
        key.resize(cut);
        const auto found = anchorIndex_.find(key);
        if (found == anchorIndex_.end())
            continue;
        const std::size_t i = found->second;
        if (anchorState_[i] == 0) {
            if (openCount_ + above_.size() >= kMostOpenAnchors) { // keep the open handles few
                lastAnchor_ = nullptr;
                for (std::size_t j = 0; j < openAnchors_.size(); ++j)
                    if (anchorState_[j] == 1) {
                        openAnchors_[j].reset();
                        anchorState_[j] = 0;
                    }
                openCount_ = 0;
                above_.clear();
            }
            // Reopened as the run resolved it, from the folder above it as the run opened it;
            // another folder standing there now is refused.
            platform::AnchoredFolder* above = AboveOf(anchors_[i].path);
            auto anchor = above != nullptr
                              ? above->openFolder(anchors_[i].path, platform::AnchorReach::Exact)
                              : fs_.openAnchor(anchors_[i].path, platform::AnchorReach::Exact);
            const bool same = anchor && anchor->identity().sameObject(anchors_[i].identity);
            anchorState_[i] = same ? 1 : -1;
            if (same) {
                openAnchors_[i] = std::move(anchor);
                ++openCount_;
            }
        }
        refused = anchorState_[i] < 0;
        return refused ? nullptr : openAnchors_[i].get();
    }
    return nullptr;
}

platform::AnchoredFolder* FolderFileUndo::AboveOf(const std::string& anchor) {
    const std::string above = FolderAbove(anchor);
    if (above.empty())
        return nullptr;
    auto found = above_.find(above);
    if (found == above_.end()) // kept when it cannot be opened too: asked once
        found = above_.emplace(above, fs_.openAnchor(above, platform::AnchorReach::Exact)).first;
    return found->second.get();
}

platform::RemoveOutcome FolderFileUndo::RemoveItem(const std::string& path,
                                                   const platform::FileIdentity* identity,
                                                   bool folder) {
    using platform::RemoveOutcome;
    bool refused = false;
    platform::AnchoredFolder* anchor = AnchorOf(path, refused);
    if (anchor == nullptr) {
        // No folder the run created below holds it any more: what still stands there is kept.
        const bool there =
            fs_.isLink(path) || (folder ? fs_.folderExists(path) : fs_.fileExists(path));
        if (there)
            reasons_.insert_or_assign(path, refused ? kReasonAnchorReplaced : kReasonNoAnchor);
        return there ? RemoveOutcome::Kept : RemoveOutcome::Gone;
    }
    static const platform::FileIdentity unknown;
    const platform::FileIdentity& expected = identity != nullptr ? *identity : unknown;
    platform::ForgetReason();
    const RemoveOutcome outcome =
        folder ? anchor->removeFolder(path, expected) : anchor->removeFile(path, expected);
    if (outcome == RemoveOutcome::Kept)
        reasons_.insert_or_assign(path, platform::TakeReason(kReasonNotRemoved));
    return outcome;
}

void FolderFileUndo::Watch(RunObserver& observer) {
    progress_.emplace(observer, Files.size() + plan_.size());
}

void FolderFileUndo::DeleteFiles() {
    // Few files are not worth a thread; the files of one new folder lie side by side in the list,
    // so runs of it work in different folders.
    constexpr std::size_t kFilesWorthOverlap = 16;
    const std::size_t workers =
        Files.size() >= kFilesWorthOverlap ? OverlapAt(fs_, Files.front()) : 1;
    if (workers > 1)
        DeleteFilesAtOnce(workers);
    else
        DeleteFileRange(0, Files.size());
}

void FolderFileUndo::DeleteFileRange(std::size_t begin, std::size_t end) {
    const bool withIds = FileIds.size() == Files.size();
    for (std::size_t i = begin; i < end; ++i) {
        const std::string file = core::Trim(Files[i]);
        const platform::FileIdentity* identity = withIds ? &FileIds[i] : nullptr;
        const platform::FileIdentity kept =
            identity != nullptr ? *identity : platform::FileIdentity{};
        if (Stopping()) {
            leftFiles_.push_back(file);
            leftFileIds_.push_back(kept);
            continue;
        }
        // A file already gone (removed by an undo that was killed, or by hand) is neither kept
        // nor failed: it is counted as gone and never retried.
        const platform::RemoveOutcome outcome = RemoveItem(file, identity, false);
        if (outcome == platform::RemoveOutcome::Gone) {
            gone_.push_back(file);
        } else if (outcome != platform::RemoveOutcome::Removed) {
            failedFiles_.push_back(file);
            failedFileIds_.push_back(kept);
        }
        Advance();
    }
}

void FolderFileUndo::RemoveFolders() {
    // Deepest first; within one depth the last scheduled first.
    const auto shallowerFirst = [](const PlannedFolder& a, const PlannedFolder& b) {
        return a.depth < b.depth;
    };
    if (!std::is_sorted(plan_.begin(), plan_.end(), shallowerFirst)) // often already in order
        std::stable_sort(plan_.begin(), plan_.end(), shallowerFirst);
    constexpr std::size_t kFoldersWorthOverlap = 16;
    if (plan_.size() >= kFoldersWorthOverlap) {
        const std::size_t workers =
            OverlapAt(fs_, std::string(removable_[plan_.front().position].text));
        if (workers > 1) {
            RemoveFoldersAtOnce(workers);
            return;
        }
    }
    for (auto it = plan_.rbegin(); it != plan_.rend(); ++it) {
        const RemovableFolder& folder = removable_[it->position];
        const platform::FileIdentity kept =
            folder.identity != nullptr ? folder.identity->file() : platform::FileIdentity{};
        removalPath_.assign(folder.text);
        if (Stopping()) {
            leftFolders_.push_back(removalPath_);
            leftFolderIds_.push_back(kept);
            continue;
        }
        // A folder already gone is passed over; one still there (not empty, in use, protected,
        // swapped for a link or another folder, reached through a link) is reported.
        const platform::RemoveOutcome outcome =
            RemoveItem(removalPath_, folder.identity != nullptr ? &kept : nullptr, true);
        if (outcome == platform::RemoveOutcome::Kept) {
            failedFolders_.push_back(removalPath_);
            failedFolderIds_.push_back(kept);
        } else if (outcome == platform::RemoveOutcome::Gone) {
            gone_.push_back(removalPath_);
        }
        Advance();
    }
}

AS_MULTIMAP_NIVO_FOLDER_NAMES FolderFileUndo::Plan() const {
    AS_MULTIMAP_NIVO_FOLDER_NAMES plan;
    for (const PlannedFolder& entry : plan_)
        plan.emplace(entry.depth, std::string(removable_[entry.position].text)); // in order
    return plan;
}

void FolderFileUndo::BuildReport() {
    report_.clear();
    failureLines_.clear();
    if (!failedFolders_.empty() || !failedFiles_.empty())
        report_ =
            "The program is unable to delete the following folders, and/or separate files : \n";
    for (const auto& folder : failedFolders_)
        failureLines_ += folder + "\n";
    for (const auto& file : failedFiles_)
        failureLines_ += file + "\n";
    if (!failureLines_.empty())
        report_ += "\nOTHER REASONS   : \n\n" + failureLines_;
}

} // namespace dirforge::engine
