#include "platform/HostAnchoredFolder.h"

#include "platform/HostFileContents.h"
#include "platform/PortableNames.h"

#include <array>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <unordered_map>

namespace dirforge::platform {

namespace {

constexpr mode_t kNewFolderMode = 0777; // narrowed by the umask
constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPermissionBits = 0777;

/// Closes a descriptor when it goes out of scope (unless it is borrowed).
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd, bool owned = true) : fd_(fd), owned_(owned) {}
    Fd(Fd&& other) noexcept : fd_(other.fd_), owned_(other.owned_) { other.fd_ = -1; }
    Fd& operator=(Fd&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = other.fd_;
            owned_ = other.owned_;
            other.fd_ = -1;
        }
        return *this;
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    /// Closes now; false when the close reports a failed write-back.
    bool reset() {
        const bool ok = fd_ < 0 || !owned_ || ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_ = -1;
    bool owned_ = true;
};

/// The elements of a drive path after "x:", empty and "." elements dropped; false for "..",
/// a NUL or a path that is not in drive form.
bool SplitDrivePath(std::string_view path, char& letter, std::vector<std::string>& elements) {
    if (path.size() < 2 || path[1] != ':')
        return false;
    letter = static_cast<char>(path[0] >= 'A' && path[0] <= 'Z' ? path[0] - 'A' + 'a' : path[0]);
    path.remove_prefix(2);
    if (!path.empty() && path[0] != '\\' && path[0] != '/')
        return false;
    elements.clear();
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string_view::npos)
            end = path.size();
        const std::string_view element = path.substr(start, end - start);
        if (element == ".." || element.find('\0') != std::string_view::npos)
            return false;
        if (!element.empty() && element != ".")
            elements.emplace_back(element);
        start = end + 1;
    }
    return true;
}

FileIdentity IdentityOf(const struct stat& st) {
    FileIdentity identity;
    identity.device = static_cast<std::uint64_t>(st.st_dev);
    identity.inode = static_cast<std::uint64_t>(st.st_ino);
    if (!S_ISDIR(st.st_mode)) {
        identity.size = static_cast<std::int64_t>(st.st_size);
        identity.modified =
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    }
    return identity;
}

bool FolderAt(int dirfd, const char* name, struct stat& st) {
    return ::fstatat(dirfd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
}

/// Opens rel (elements joined by "/") below dirfd as a folder, never through a link or out of
/// dirfd.
Fd OpenBeneath(int dirfd, const std::string& rel) {
    if (rel.empty())
        return Fd(dirfd, false);
    static bool openat2Missing = false;
    if (!openat2Missing) {
        open_how how{};
        how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
        how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
        const long fd = ::syscall(SYS_openat2, dirfd, rel.c_str(), &how, sizeof how);
        if (fd >= 0 || (errno != ENOSYS && errno != EPERM))
            return Fd(static_cast<int>(fd));
        openat2Missing = true; // an old kernel or a filter: walk one element at a time
    }
    Fd current(dirfd, false);
    std::size_t start = 0;
    while (start < rel.size()) {
        std::size_t end = rel.find('/', start);
        if (end == std::string::npos)
            end = rel.size();
        const std::string element = rel.substr(start, end - start);
        Fd next(::openat(current.get(), element.c_str(),
                         O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st;
        if (!next.valid() || ::fstat(next.get(), &st) != 0 || !S_ISDIR(st.st_mode))
            return Fd(); // errno of the failed call (a link fails with ENOTDIR or ELOOP)
        current = std::move(next);
        start = end + 1;
    }
    return current;
}

class HostAnchoredFolder : public AnchoredFolder {
public:
    /// letter is lower-case; shownLetter is the letter as the path named it.
    HostAnchoredFolder(const DriveMap& drives, Fd handle, char letter, char shownLetter,
                       std::vector<std::string> elements, const FileIdentity& identity)
        : drives_(drives), handle_(std::move(handle)), letter_(letter),
          elements_(std::move(elements)), identity_(identity) {
        path_.push_back(shownLetter);
        path_.push_back(':');
        for (const std::string& element : elements_) {
            path_ += '\\';
            path_ += element;
        }
    }

    const std::string& path() const override { return path_; }
    const FileIdentity& identity() const override { return identity_; }

    bool createFolder(const std::string& path, std::vector<MadeItem>* made) override {
        std::vector<std::string>& rel = scratch_; // reused: no allocation per call
        if (!relativeOf(path, rel, true))
            return false;
        if (rel.empty())
            return true; // the anchor itself
        const std::string& last = rel.back();
        errno = 0;
        Fd parent = OpenBeneath(handle_.get(), joined(rel, rel.size() - 1));
        if (!parent.valid())
            return errno == ENOENT && createWalking(rel, made);
        return makeOne(parent.get(), rel, rel.size() - 1, made) ||
               existsAsFolder(parent.get(), last);
    }

    bool copyFileInto(const std::string& source, const std::string& target,
                      FileIdentity* identity) override {
        std::vector<std::string>& rel = scratch_; // reused: no allocation per call
        const auto host = drives_.toHost(source);
        if (!host || !relativeOf(target, rel, true) || rel.empty())
            return false;
        Fd in(::open(host->c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st;
        if (!in.valid() || ::fstat(in.get(), &st) != 0 || !S_ISREG(st.st_mode))
            return false;
        Fd parent = OpenBeneath(handle_.get(), joined(rel, rel.size() - 1));
        if (!parent.valid())
            return false;
        const char* name = rel.back().c_str();
        // O_EXCL: anything standing there (file, folder, even a dangling link) is never touched.
        Fd out(::openat(parent.get(), name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        kNewFileMode));
        if (!out.valid())
            return false;
        struct stat written;
        const bool copied = CopyContents(in.get(), out.get()) &&
                            ::fchmod(out.get(), st.st_mode & kPermissionBits) == 0 &&
                            ::fstat(out.get(), &written) == 0 && out.reset();
        if (!copied) {
            out.reset();
            ::unlinkat(parent.get(), name, 0); // only the file this call created
            return false;
        }
        if (identity != nullptr)
            *identity = IdentityOf(written);
        return true;
    }

    RemoveOutcome removeFile(const std::string& path, const FileIdentity& expected) override {
        return remove(path, expected, false);
    }

    RemoveOutcome removeFolder(const std::string& path, const FileIdentity& expected) override {
        return remove(path, expected, true);
    }

private:
    /// The elements of path below the anchor; false when path does not lie at or below it.
    bool relativeOf(const std::string& path, std::vector<std::string>& rel, bool creating) const {
        char letter = 0;
        if (!SplitDrivePath(path, letter, rel) || letter != letter_ ||
            rel.size() < elements_.size())
            return false;
        for (std::size_t i = 0; i < elements_.size(); ++i)
            if (rel[i] != elements_[i])
                return false;
        rel.erase(rel.begin(), rel.begin() + static_cast<std::ptrdiff_t>(elements_.size()));
        if (creating)
            for (const std::string& element : rel)
                if (IsRefusedName(element))
                    return false;
        return true;
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

    /// Makes rel[index] in parent; records it when made.
    bool makeOne(int parent, const std::vector<std::string>& rel, std::size_t index,
                 std::vector<MadeItem>* made) {
        const char* name = rel[index].c_str();
        if (::mkdirat(parent, name, kNewFolderMode) != 0)
            return false;
        struct stat st;
        if (made != nullptr && FolderAt(parent, name, st))
            made->push_back({drivePathOf(rel, index + 1), IdentityOf(st)});
        return true;
    }

    static bool existsAsFolder(int parent, const std::string& name) {
        struct stat st;
        return errno == EEXIST && FolderAt(parent, name.c_str(), st);
    }

    /// Some parents are missing: make and enter each element from the anchor down.
    bool createWalking(const std::vector<std::string>& rel, std::vector<MadeItem>* made) {
        Fd current(handle_.get(), false);
        for (std::size_t i = 0; i < rel.size(); ++i) {
            const char* name = rel[i].c_str();
            if (!makeOne(current.get(), rel, i, made) && errno != EEXIST)
                return false;
            if (i + 1 == rel.size()) {
                struct stat st;
                return FolderAt(current.get(), name, st);
            }
            Fd next(::openat(current.get(), name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            struct stat st;
            if (!next.valid() || ::fstat(next.get(), &st) != 0 || !S_ISDIR(st.st_mode))
                return false; // a link or a file stands where a folder is to be entered
            current = std::move(next);
        }
        return true;
    }

    RemoveOutcome remove(const std::string& path, const FileIdentity& expected, bool folder) {
        std::vector<std::string>& rel = scratch_; // reused: no allocation per call
        if (!relativeOf(path, rel, false) || rel.empty())
            return RemoveOutcome::Kept; // outside the anchor, or the anchor itself: not here
        errno = 0;
        const std::string parentRel = joined(rel, rel.size() - 1);
        Fd parent = OpenBeneath(handle_.get(), parentRel);
        if (!parent.valid())
            return errno == ENOENT ? RemoveOutcome::Gone : RemoveOutcome::Kept;
        const char* name = rel.back().c_str();
        if (!folder || !listedAsExpected(parent.get(), parentRel, rel.back(), expected)) {
            struct stat st;
            if (::fstatat(parent.get(), name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                return errno == ENOENT ? RemoveOutcome::Gone : RemoveOutcome::Kept;
            const FileIdentity found = IdentityOf(st);
            const bool rightKind = folder ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode);
            if (!expected.known() || !rightKind || !found.sameObject(expected) ||
                (!folder && (found.size != expected.size || found.modified != expected.modified)))
                return RemoveOutcome::Kept;
        }
        if (::unlinkat(parent.get(), name, folder ? AT_REMOVEDIR : 0) == 0)
            return RemoveOutcome::Removed;
        return errno == ENOENT ? RemoveOutcome::Gone : RemoveOutcome::Kept;
    }

    /// Many folders removed from one parent are checked against one listing of it (name and
    /// inode of every subfolder, read once) instead of one stat each. Only a match counts:
    /// anything not listed as the expected folder is asked of the disk itself.
    bool listedAsExpected(int parent, const std::string& parentRel, const std::string& name,
                          const FileIdentity& expected) {
        if (!expected.known())
            return false;
        if (parentRel != listedParent_ || !listingParentSet_) {
            listedParent_ = parentRel;
            listingParentSet_ = true;
            listing_.clear();
            removalsInParent_ = 0;
            listed_ = false;
        }
        if (!listed_ && ++removalsInParent_ >= kListAfterRemovals)
            listParent(parent);
        if (!listed_)
            return false;
        const auto found = listing_.find(name);
        return found != listing_.end() && found->second == expected.inode &&
               listedDevice_ == expected.device;
    }

    void listParent(int parent) {
        listed_ = true;
        struct stat st;
        const int fd = ::openat(parent, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        DIR* dir = ::fdopendir(fd);
        if (dir == nullptr || ::fstat(fd, &st) != 0) {
            if (dir != nullptr)
                ::closedir(dir);
            else
                ::close(fd);
            return;
        }
        listedDevice_ = static_cast<std::uint64_t>(st.st_dev);
        while (const dirent* entry = ::readdir(dir))
            if (entry->d_type == DT_DIR)
                listing_.emplace(entry->d_name, static_cast<std::uint64_t>(entry->d_ino));
        ::closedir(dir);
    }

    /// Removals from one parent after which it is listed once (see listedAsExpected).
    static constexpr int kListAfterRemovals = 64;

    const DriveMap& drives_;
    std::vector<std::string> scratch_;
    std::string listedParent_;
    bool listingParentSet_ = false;
    bool listed_ = false;
    int removalsInParent_ = 0;
    std::uint64_t listedDevice_ = 0;
    std::unordered_map<std::string, std::uint64_t> listing_;
    Fd handle_;
    char letter_;
    std::vector<std::string> elements_;
    FileIdentity identity_;
    std::string path_;
};

} // namespace

std::unique_ptr<AnchoredFolder> OpenHostAnchor(const DriveMap& drives, const std::string& path,
                                               AnchorReach reach) {
    char letter = 0;
    std::vector<std::string> elements;
    if (!SplitDrivePath(path, letter, elements))
        return nullptr;
    const auto root = drives.rootOf(letter);
    if (!root)
        return nullptr;
    for (;;) {
        std::string host;
        if (*root != "/")
            host.append(*root);
        for (const std::string& element : elements) {
            host.push_back('/');
            host.append(element);
        }
        if (host.empty())
            host.push_back('/');
        // The chosen folder is resolved once, as given: a link the user named is followed here.
        Fd handle(::open(host.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        struct stat st;
        if (handle.valid() && ::fstat(handle.get(), &st) == 0)
            return std::make_unique<HostAnchoredFolder>(drives, std::move(handle), letter, path[0],
                                                        std::move(elements), IdentityOf(st));
        if (reach == AnchorReach::Exact || errno != ENOENT || elements.empty())
            return nullptr;
        elements.pop_back();
    }
}

} // namespace dirforge::platform
