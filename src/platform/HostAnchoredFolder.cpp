#include "platform/HostAnchoredFolder.h"

#include "platform/FailureReason.h"
#include "platform/HeldFolders.h"
#include "platform/HostFileCopy.h"
#include "platform/HostFolderCalls.h"
#include "platform/NameIndex.h"
#include "platform/PortableNames.h"
#include "platform/SubfolderListing.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace dirforge::platform {

namespace {

/// The elements of a drive path after "x:", empty and "." elements dropped; false for "..",
/// a NUL or a path that is not in drive form. The elements point into path.
bool SplitDrivePath(std::string_view path, char& letter, std::vector<std::string_view>& elements) {
    if (path.size() < 2 || path[1] != ':')
        return false;
    letter = static_cast<char>(path[0] >= 'A' && path[0] <= 'Z' ? path[0] - 'A' + 'a' : path[0]);
    path.remove_prefix(2);
    if (!path.empty() && path[0] != '\\' && path[0] != '/')
        return false;
    elements.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        const char c = i < path.size() ? path[i] : '\\';
        if (c == '\0')
            return false;
        if (c != '\\' && c != '/')
            continue;
        const std::string_view element = path.substr(start, i - start);
        if (element == "..")
            return false;
        if (!element.empty() && element != ".")
            elements.push_back(element);
        start = i + 1;
    }
    return true;
}

/// Where an anchor is opened from: the drive's letter and the letter as the path named it.
struct AnchorLetters {
    char letter; ///< lower-case
    char shown;
};

std::unique_ptr<AnchoredFolder> OpenAsGiven(const DriveMap& drives, int dirfd,
                                            const std::string& base, AnchorLetters letters,
                                            std::vector<std::string> elements, std::size_t fixed,
                                            AnchorReach reach);

class HostAnchoredFolder : public AnchoredFolder {
public:
    HostAnchoredFolder(const DriveMap& drives, Fd handle, AnchorLetters letters,
                       std::vector<std::string> elements, const FileIdentity& identity)
        : drives_(drives), handle_(std::move(handle)), letter_(letters.letter),
          elements_(std::move(elements)), identity_(identity) {
        path_.push_back(letters.shown);
        path_.push_back(':');
        for (const std::string& element : elements_) {
            path_ += '\\';
            path_ += element;
        }
    }

    const std::string& path() const override { return path_; }
    const FileIdentity& identity() const override { return identity_; }

    using AnchoredFolder::createFolder;
    bool createFolder(const std::string& path, std::vector<MadeItem>* made,
                      MadeIdentity when) override {
        std::vector<std::string>& rel = scratch_; // reused: no allocation per call
        if (!relativeOf(path, rel, true))
            return false;
        if (rel.empty())
            return true; // the anchor itself
        const std::string& last = rel.back();
        if (rel.size() == 1 && when == MadeIdentity::Later && made != nullptr)
            return makeDeferred(rel, *made) || existsAsFolder(handle_.get(), last);
        errno = 0;
        const int parent = folders_.open(handle_.get(), joined(rel, rel.size() - 1));
        if (parent < 0) {
            if (errno == ENOENT)
                return createWalking(rel, made);
            NoteError(errno);
            return false;
        }
        // Held: the copy of a structure makes this folder's own files and folders next.
        return makeOne(parent, rel, rel.size() - 1, made, true) || existsAsFolder(parent, last);
    }

    std::vector<FileIdentity> identifyDeferred() override {
        std::vector<FileIdentity> found(deferred_.size());
        if (deferred_.size() >= kListForDeferred)
            identifyFromListing(found);
        for (std::size_t i = 0; i < found.size(); ++i)
            if (!found[i].known())
                FolderIdentityAt(handle_.get(), deferred_[i].c_str(), found[i]);
        deferred_.clear();
        return found;
    }

    bool copyFileInto(const std::string& source, const std::string& target,
                      FileIdentity* identity) override {
        std::vector<std::string>& rel = scratch_; // reused: no allocation per call
        const auto host = drives_.toHost(source);
        if (!host || !relativeOf(target, rel, true) || rel.empty())
            return false;
        const int parent = folders_.open(handle_.get(), joined(rel, rel.size() - 1));
        if (parent < 0) {
            NoteError(errno);
            return false;
        }
        CopyMemory once;
        return CopyFileBetween({AT_FDCWD, host->c_str(), parent, rel.back().c_str()}, source, once,
                               identity);
    }

    bool copyFileFrom(AnchoredFolder& from, const std::string& source, const std::string& target,
                      FileIdentity* identity, CopyMemory& memory) override {
        auto* structure = dynamic_cast<HostAnchoredFolder*>(&from);
        std::vector<std::string>& rel = scratch_; // reused: no allocation per call
        // Another anchor than this: the two sides' held handles never close one another's.
        if (structure == nullptr || structure == this || !relativeOf(target, rel, true) ||
            rel.empty())
            return false;
        const int parent = folders_.open(handle_.get(), joined(rel, rel.size() - 1));
        if (parent < 0) {
            NoteError(errno);
            return false;
        }
        return structure->copyOut(source, {-1, nullptr, parent, rel.back().c_str()},
                                  identity_.device, identity, memory);
    }

    bool readFileBelow(const std::string& source, std::uint64_t most,
                       KeptContent& content) override {
        std::vector<std::string>& rel = sourceScratch_;
        if (!relativeOf(source, rel, false) || rel.empty())
            return false;
        const int folder = folders_.open(handle_.get(), joined(rel, rel.size() - 1));
        if (folder < 0) {
            NoteError(errno);
            return false;
        }
        return ReadSmallFile(folder, rel.back().c_str(), most, content);
    }

    bool writeFileInto(const std::string& target, const KeptContent& content,
                       FileIdentity* identity) override {
        std::vector<std::string>& rel = scratch_;
        if (!relativeOf(target, rel, true) || rel.empty())
            return false;
        const int parent = folders_.open(handle_.get(), joined(rel, rel.size() - 1));
        if (parent < 0) {
            NoteError(errno);
            return false;
        }
        return WriteNewFile(parent, rel.back().c_str(), content, identity);
    }

    void releaseFolders() override { folders_.clear(); }

    std::unique_ptr<AnchoredFolder> openFolder(const std::string& path,
                                               AnchorReach reach) override {
        std::vector<std::string> rel;
        if (!relativeOf(path, rel, false))
            return nullptr;
        std::vector<std::string> elements = elements_;
        elements.insert(elements.end(), std::make_move_iterator(rel.begin()),
                        std::make_move_iterator(rel.end()));
        return OpenAsGiven(drives_, handle_.get(), std::string(), {letter_, path[0]},
                           std::move(elements), elements_.size(), reach);
    }

    RemoveOutcome removeFile(const std::string& path, const FileIdentity& expected) override {
        return remove(path, expected, false);
    }

    RemoveOutcome removeFolder(const std::string& path, const FileIdentity& expected) override {
        return remove(path, expected, true);
    }

private:
    /// Copies source, a file below this anchor, into ends' target folder and name: the source
    /// is opened from its folder's held handle (or not at all when its content is kept).
    bool copyOut(const std::string& source, CopyEnds ends, std::uint64_t targetDevice,
                 FileIdentity* identity, CopyMemory& memory) {
        std::vector<std::string>& rel = sourceScratch_;
        if (!relativeOf(source, rel, false) || rel.empty())
            return false;
        // Asked (and claimed) before the source's folder is opened: a copy on another thread that
        // reads the file meanwhile spares this one the folder's look-ups too.
        const KeptLookup lookup = memory.keptOrClaim(source);
        const KeptContent* kept = lookup.kept;
        if (kept == nullptr || memory.mayClone(kept->device, targetDevice)) {
            ends.sourceFolder = folders_.open(handle_.get(), joined(rel, rel.size() - 1));
            if (ends.sourceFolder < 0 && kept == nullptr) {
                NoteError(errno);
                if (lookup.claimed)
                    memory.release(source);
                return false;
            }
        }
        ends.sourceName = rel.back().c_str();
        return CopyFileBetween(ends, source, memory, identity, &lookup);
    }

    /// The elements of path below the anchor; false when path does not lie at or below it.
    /// Only the elements below the anchor are copied.
    bool relativeOf(const std::string& path, std::vector<std::string>& rel, bool creating) {
        if (const auto name = directChild(path)) { // the common case, without splitting
            rel.resize(1);
            rel[0].assign(*name);
            return !creating || !refused(rel[0]);
        }
        char letter = 0;
        std::vector<std::string_view>& all = views_; // reused: no allocation per call
        if (!SplitDrivePath(path, letter, all) || letter != letter_ ||
            all.size() < elements_.size())
            return false;
        for (std::size_t i = 0; i < elements_.size(); ++i)
            if (all[i] != elements_[i])
                return false;
        rel.resize(all.size() - elements_.size());
        for (std::size_t i = 0; i < rel.size(); ++i) {
            rel[i].assign(all[elements_.size() + i]);
            if (creating && refused(rel[i]))
                return false;
        }
        return true;
    }

    /// True (the cause noted) for a name the desktop file system refuses.
    static bool refused(const std::string& element) {
        if (!IsRefusedName(element))
            return false;
        NoteReason(RefusedNameReason(element));
        return true;
    }

    /// The name in path when path is this anchor's own text, a backslash and one plain element.
    std::optional<std::string_view> directChild(std::string_view path) const {
        if (path.size() <= path_.size() + 1 || path[path_.size()] != '\\' ||
            (path[0] | 0x20) != letter_ ||
            path.substr(1, path_.size() - 1) != std::string_view(path_).substr(1))
            return std::nullopt;
        const std::string_view name = path.substr(path_.size() + 1);
        if (name.find_first_of(std::string_view("\\/\0", 3)) != std::string_view::npos ||
            name == "." || name == "..")
            return std::nullopt;
        return name;
    }

    static std::string joined(const std::vector<std::string>& rel, std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i) {
            if (i > 0)
                text += '/';
            text += rel[i];
        }
        return text;
    }

    std::string drivePathOf(const std::vector<std::string>& rel, std::size_t count) const {
        // Sized once and filled in place: a run journals a million of these, and a string grown
        // by appending (or reserved, which rounds up) keeps up to twice the room it needs.
        std::size_t size = path_.size();
        for (std::size_t i = 0; i < count; ++i)
            size += 1 + rel[i].size();
        std::string text(size, '\\');
        std::size_t at = path_.copy(text.data(), path_.size());
        for (std::size_t i = 0; i < count; ++i)
            at += 1 + rel[i].copy(text.data() + at + 1, rel[i].size()); // after its backslash
        return text;
    }

    /// Makes rel[index] in parent; records it when made. held: its handle is kept for what is
    /// made in it next (opening it asks what its identity look-up would have asked).
    bool makeOne(int parent, const std::vector<std::string>& rel, std::size_t index,
                 std::vector<MadeItem>* made, bool held = false) {
        const char* name = rel[index].c_str();
        if (::mkdirat(parent, name, kNewFolderMode) != 0) {
            if (errno != EEXIST) // what stands there is the caller's to judge
                NoteError(errno, parent, rel[index]);
            return false;
        }
        FileIdentity identity;
        if (held) {
            Fd folder(::openat(parent, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (folder.valid() && FolderIdentityAt(folder.get(), "", identity)) {
                if (made != nullptr)
                    made->push_back({drivePathOf(rel, index + 1), identity});
                folders_.hold(joined(rel, index + 1), std::move(folder));
            }
            return true;
        }
        if (made != nullptr && FolderIdentityAt(parent, name, identity))
            made->push_back({drivePathOf(rel, index + 1), identity});
        return true;
    }

    /// Makes the single element of rel in the anchor, its identity asked later.
    bool makeDeferred(const std::vector<std::string>& rel, std::vector<MadeItem>& made) {
        if (::mkdirat(handle_.get(), rel[0].c_str(), kNewFolderMode) != 0) {
            if (errno != EEXIST)
                NoteError(errno, handle_.get(), rel[0]);
            return false;
        }
        made.push_back({drivePathOf(rel, 1), FileIdentity{}});
        deferred_.push_back(rel[0]);
        return true;
    }

    /// After a failed mkdirat: true when a folder (not a link) stands there; else what stands
    /// there is noted as the cause.
    static bool existsAsFolder(int parent, const std::string& name) {
        if (errno != EEXIST)
            return false;
        FileIdentity found;
        if (FolderIdentityAt(parent, name.c_str(), found))
            return true;
        NoteInTheWay(parent, name.c_str());
        return false;
    }

    /// The inodes the anchor's listing gives the deferred folders. It vouches for them only where
    /// it gives the anchor itself (".") the inode the anchor's own look-up gave: a file system
    /// that numbers its listings differently is asked folder by folder instead.
    void identifyFromListing(std::vector<FileIdentity>& found) const {
        NameIndex positions;
        positions.reserve(deferred_.size());
        for (std::size_t i = 0; i < deferred_.size(); ++i)
            positions.insert(deferred_[i], i);
        std::vector<std::uint64_t> inodes(deferred_.size(), 0);
        std::uint64_t dot = 0;
        // A huge folder holding only a few of them is not read to the end.
        const std::size_t most =
            kListingEntriesPerFolder * deferred_.size() + kListingEntriesAtLeast;
        std::size_t named = 0;
        ForEachEntry(handle_.get(), most,
                     [&](std::string_view name, unsigned char type, std::uint64_t inode) {
                         if (name == ".") {
                             dot = inode;
                         } else if (type == DT_DIR) {
                             const std::uint64_t* at = positions.find(name);
                             if (at != nullptr && inodes[*at] == 0) {
                                 inodes[*at] = inode;
                                 ++named;
                             }
                         }
                         return dot == 0 || named < inodes.size(); // all seen: read no further
                     });
        if (dot == 0 || dot != identity_.inode)
            return;
        for (std::size_t i = 0; i < inodes.size(); ++i)
            if (inodes[i] != 0) {
                found[i].device = identity_.device;
                found[i].inode = inodes[i];
            }
    }

    /// Some parents are missing: make and enter each element from the anchor down.
    bool createWalking(const std::vector<std::string>& rel, std::vector<MadeItem>* made) {
        Fd current(handle_.get(), false);
        for (std::size_t i = 0; i < rel.size(); ++i) {
            const char* name = rel[i].c_str();
            if (!makeOne(current.get(), rel, i, made) && errno != EEXIST)
                return false;
            FileIdentity found;
            Fd next;
            if (i + 1 < rel.size())
                next = Fd(
                    ::openat(current.get(), name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            const bool entered = i + 1 == rel.size()
                                     ? FolderIdentityAt(current.get(), name, found)
                                     : next.valid() && FolderIdentityAt(next.get(), "", found);
            if (!entered) { // a link or a file stands where a folder is to be entered
                NoteInTheWay(current.get(), name);
                return false;
            }
            if (i + 1 == rel.size())
                return true;
            current = std::move(next);
        }
        return true;
    }

    RemoveOutcome remove(const std::string& path, const FileIdentity& expected, bool folder) {
        // The common case, a name right in the anchor: it ends path, which ends with a NUL.
        if (const auto name = directChild(path))
            return removeIn(handle_.get(), {}, path.c_str() + (path.size() - name->size()),
                            expected, folder);
        std::vector<std::string>& rel = scratch_; // reused: no allocation per call
        if (!relativeOf(path, rel, false) || rel.empty())
            return RemoveOutcome::Kept; // outside the anchor, or the anchor itself: not here
        errno = 0;
        const std::string parentRel = joined(rel, rel.size() - 1);
        Fd parent = OpenBeneath(handle_.get(), parentRel);
        if (!parent.valid()) {
            if (errno == ENOENT)
                return RemoveOutcome::Gone;
            NoteError(errno);
            return RemoveOutcome::Kept;
        }
        return removeIn(parent.get(), parentRel, rel.back().c_str(), expected, folder);
    }

    /// Removes name from the folder open at parent (parentRel below the anchor) when it is the
    /// recorded item.
    RemoveOutcome removeIn(int parent, std::string_view parentRel, const char* name,
                           const FileIdentity& expected, bool folder) {
        const bool proven = folder ? listedAsExpected(parent, parentRel, name, expected) ||
                                         isExpectedFolder(parent, name, expected)
                                   : isExpectedFile(parent, name, expected);
        if (!proven)
            return errno == ENOENT ? RemoveOutcome::Gone : RemoveOutcome::Kept;
        if (::unlinkat(parent, name, folder ? AT_REMOVEDIR : 0) == 0)
            return RemoveOutcome::Removed;
        if (errno == ENOENT)
            return RemoveOutcome::Gone;
        NoteError(errno == EEXIST ? ENOTEMPTY : errno, parent);
        return RemoveOutcome::Kept;
    }

    /// What stands at name changed at or after since (ns since the epoch; 0: any time).
    static bool ChangedSince(int parent, const char* name, std::int64_t since) {
        struct stat st;
        if (::fstatat(parent, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        const std::int64_t changed =
            static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
        return since == 0 || changed >= since;
    }

    /// The recorded folder stands at name (errno ENOENT when nothing does).
    static bool isExpectedFolder(int parent, const char* name, const FileIdentity& expected) {
        errno = 0;
        FileIdentity found;
        if (!FolderIdentityAt(parent, name, found)) {
            if (errno != ENOENT)
                NoteInTheWay(parent, name);
            return false;
        }
        errno = 0;
        const bool same =
            expected.unverified()
                ? ChangedSince(parent, name, static_cast<std::int64_t>(expected.device))
                : expected.known() && found.sameObject(expected);
        if (!same)
            NoteReason(expected.unverified() ? "there before the run made it"
                                             : "another folder stands here");
        return same;
    }

    /// The recorded file stands at name unchanged since the copy (its size and time asked
    /// afresh); errno ENOENT when nothing stands there.
    static bool isExpectedFile(int parent, const char* name, const FileIdentity& expected) {
        struct stat st;
        if (::fstatat(parent, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT)
                NoteError(errno, parent);
            return false;
        }
        errno = 0;
        if (!S_ISREG(st.st_mode)) {
            NoteInTheWay(parent, name);
            return false;
        }
        const FileIdentity found = IdentityOf(st);
        const bool same = expected.unverified() ? ChangedSince(parent, name, expected.modified)
                                                : expected.known() && found.sameObject(expected) &&
                                                      found.size == expected.size &&
                                                      found.modified == expected.modified;
        if (!same)
            NoteReason(expected.unverified()         ? "there before the run made it"
                       : !found.sameObject(expected) ? "another file stands here"
                                                     : "changed since it was copied");
        return same;
    }

    /// Many folders removed from one parent are checked against one listing of it (name and
    /// inode of every subfolder, read once) instead of one stat each. Only a match counts:
    /// anything not listed as the expected folder is asked of the disk itself.
    bool listedAsExpected(int parent, std::string_view parentRel, std::string_view name,
                          const FileIdentity& expected) {
        if (!expected.known() || expected.unverified())
            return false;
        if (parentRel != listedParent_ || !listingParentSet_) {
            listedParent_ = parentRel;
            listingParentSet_ = true;
            listing_.clear();
            removalsInParent_ = 0;
            listAfter_ = ListAfterRemovals(parent);
            listed_ = false;
        }
        if (!listed_ && ++removalsInParent_ >= listAfter_)
            listParent(parent);
        if (!listed_)
            return false;
        const std::uint64_t* inode = listing_.find(name);
        return inode != nullptr && *inode == expected.inode && listedDevice_ == expected.device;
    }

    void listParent(int parent) {
        listed_ = true;
        FileIdentity listed;
        std::uint64_t links = 0;
        if (!FolderIdentityAt(parent, "", listed, &links))
            return;
        listedDevice_ = listed.device;
        // Where a folder's link count counts its subfolders (two more than they), it sizes the
        // listing; where it does not (1 on some file systems), the listing grows as it reads.
        if (links > 2)
            listing_.reserve(std::min<std::uint64_t>(links - 2, kMostReservedSubfolders));
        const bool read = ForEachEntry(
            parent, SIZE_MAX, [&](std::string_view name, unsigned char type, std::uint64_t inode) {
                if (type == DT_DIR && name != "." && name != "..")
                    listing_.add(name, inode);
                return true;
            });
        if (!read)
            listing_.clear(); // only a whole listing is trusted
    }

    /// Removals from the parent open at parent after which it is listed once (see
    /// listedAsExpected). A listing costs a few requests and one more per page of entries, a
    /// removal checked alone one: a small parent is listed at its second removal, a large one
    /// once the removals have paid for reading it (its subfolders told by its link count, and
    /// a fixed number where the file system does not count them).
    static int ListAfterRemovals(int parent) {
        FileIdentity ignored;
        std::uint64_t links = 0;
        if (!FolderIdentityAt(parent, "", ignored, &links) || links < 2)
            return kListAfterRemovalsUncounted;
        return static_cast<int>(std::clamp<std::uint64_t>((links - 2) / kSubfoldersPerRemoval,
                                                          kListAfterRemovalsAtLeast,
                                                          kListAfterRemovalsAtMost));
    }

    static constexpr int kListAfterRemovalsUncounted = 64;
    static constexpr std::uint64_t kListAfterRemovalsAtLeast = 2;
    static constexpr std::uint64_t kListAfterRemovalsAtMost = 1 << 16;
    /// Subfolders of a parent that one removal checked alone costs as much as reading.
    static constexpr std::uint64_t kSubfoldersPerRemoval = 32;
    /// The most subfolders a link count reserves room for (a larger one grows as it reads).
    static constexpr std::uint64_t kMostReservedSubfolders = 1 << 22;
    /// Deferred identities from which the anchor is listed rather than asked one by one.
    static constexpr std::size_t kListForDeferred = 8;
    /// How far a listing for deferred identities reads: so many entries per folder, at least.
    static constexpr std::size_t kListingEntriesPerFolder = 64;
    static constexpr std::size_t kListingEntriesAtLeast = 4096;

    const DriveMap& drives_;
    std::vector<std::string> scratch_;
    std::vector<std::string> sourceScratch_;
    /// Folders below the anchor held while their files are made (or, on a structure, read).
    HeldFolders folders_;
    std::vector<std::string_view> views_;
    std::string listedParent_;
    bool listingParentSet_ = false;
    bool listed_ = false;
    int removalsInParent_ = 0;
    int listAfter_ = kListAfterRemovalsUncounted;
    std::uint64_t listedDevice_ = 0;
    SubfolderListing listing_;
    /// Names of the folders made directly in the anchor whose identity is asked later.
    std::vector<std::string> deferred_;
    Fd handle_;
    char letter_;
    std::vector<std::string> elements_;
    FileIdentity identity_;
    std::string path_;
};

/// Opens elements[fixed..] below dirfd (base, then the elements joined by "/") as the anchor for
/// the drive path of all the elements; with DeepestExisting, leaves out missing elements from
/// the end, never the fixed ones.
std::unique_ptr<AnchoredFolder> OpenAsGiven(const DriveMap& drives, int dirfd,
                                            const std::string& base, AnchorLetters letters,
                                            std::vector<std::string> elements, std::size_t fixed,
                                            AnchorReach reach) {
    for (;;) {
        std::string where = base;
        for (std::size_t i = fixed; i < elements.size(); ++i) {
            if (!where.empty() && where.back() != '/')
                where.push_back('/');
            where.append(elements[i]);
        }
        if (where.empty())
            where.push_back('.');
        // The chosen folder is resolved once, as given: a link the user named is followed here.
        Fd handle(::openat(dirfd, where.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        FileIdentity identity;
        if (handle.valid() && FolderIdentityAt(handle.get(), "", identity))
            return std::make_unique<HostAnchoredFolder>(drives, std::move(handle), letters,
                                                        std::move(elements), identity);
        if (reach == AnchorReach::Exact || errno != ENOENT || elements.size() <= fixed) {
            NoteError(errno);
            return nullptr;
        }
        elements.pop_back();
    }
}

} // namespace

std::unique_ptr<AnchoredFolder> OpenHostAnchor(const DriveMap& drives, const std::string& path,
                                               AnchorReach reach) {
    char letter = 0;
    std::vector<std::string_view> views;
    if (!SplitDrivePath(path, letter, views))
        return nullptr;
    const auto root = drives.rootOf(letter);
    if (!root) {
        NoteReason("no such drive");
        return nullptr;
    }
    return OpenAsGiven(drives, AT_FDCWD, *root, {letter, path[0]},
                       std::vector<std::string>(views.begin(), views.end()), 0, reach);
}

} // namespace dirforge::platform
