#include "platform/HostFileSystem.h"

#include "platform/FailureReason.h"
#include "platform/HostAnchoredFolder.h"
#include "platform/HostAppendFile.h"
#include "platform/HostFileContents.h"
#include "platform/HostFileCopy.h"
#include "platform/HostFolderCalls.h"
#include "platform/PortableNames.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace dirforge::platform {

namespace {

bool isHostFolder(const std::string& host) {
    struct stat st;
    return ::stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

/// Closes a descriptor when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() { reset(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    /// Closes now; false when the close reports a failed write-back.
    bool reset() {
        const bool ok = fd_ < 0 || ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

EntryKind kindOfMode(mode_t mode) {
    if (S_ISLNK(mode))
        return EntryKind::Link;
    if (S_ISDIR(mode))
        return EntryKind::Folder;
    if (S_ISREG(mode))
        return EntryKind::File;
    return EntryKind::Other;
}

EntryKind kindOfEntry(DIR* dir, const dirent* entry) {
    switch (entry->d_type) {
    case DT_DIR:
        return EntryKind::Folder;
    case DT_REG:
        return EntryKind::File;
    case DT_LNK:
        return EntryKind::Link;
    case DT_UNKNOWN: {
        struct stat st;
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return EntryKind::Other;
        return kindOfMode(st.st_mode);
    }
    default:
        return EntryKind::Other;
    }
}

// The size of name in dirfd, 0 when it cannot be read. Asked beside the folder's handle, so a
// share is asked once per file rather than once per element of its full path; the attributes
// the look-up brought are taken as they are (AT_STATX_DONT_SYNC): a size for counting.
std::uint64_t SizeAt(int dirfd, const char* name) {
    struct statx sx;
    if (::statx(dirfd, name, AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC, STATX_SIZE, &sx) == 0)
        return (sx.stx_mask & STATX_SIZE) != 0 ? sx.stx_size : 0;
    struct stat st; // a kernel without statx
    if (errno != ENOSYS || ::fstatat(dirfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return 0;
    return static_cast<std::uint64_t>(st.st_size);
}

/// The file type bits of an entry that is neither folder nor file nor link (0 when unknown).
std::uint32_t specialModeOf(DIR* dir, const dirent* entry) {
    if (entry->d_type != DT_UNKNOWN)
        return DTTOIF(entry->d_type);
    struct stat st;
    if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return 0;
    return st.st_mode & S_IFMT;
}

// Length of the host root of a drive path's letter inside its host path ("/" counts as 0).
std::size_t rootLength(const DriveMap& drives, const std::string& drivePath) {
    const auto root = drives.rootOf(drivePath[0]);
    return (!root || *root == "/") ? 0 : root->size();
}

// The drive form of the first `length` characters of host, which maps drivePath's letter.
std::string driveFormOf(const std::string& drivePath, const std::string& host, std::size_t rootLen,
                        std::size_t length) {
    std::string drive{drivePath[0], ':'};
    drive.append(host, rootLen, length - rootLen);
    for (std::size_t i = 2; i < drive.size(); ++i)
        if (drive[i] == '/')
            drive[i] = '\\';
    return drive;
}

} // namespace

HostFileSystem::HostFileSystem(DriveMap drives) : drives_(std::move(drives)) {}

std::optional<std::string> HostFileSystem::hostForCreating(const std::string& path) const {
    if (HasRefusedElement(path))
        return std::nullopt;
    return drives_.toHost(path);
}

bool HostFileSystem::createFolder(const std::string& path, std::vector<std::string>* created) {
    auto host = hostForCreating(path);
    if (!host)
        return false;
    std::string& h = *host;
    const std::size_t rootLen = rootLength(drives_, path);
    if (h.size() <= rootLen)
        return isHostFolder(h); // the drive's root itself: there or not, it is never made
    if (::mkdir(h.c_str(), kNewFolderMode) == 0) {
        if (created != nullptr)
            created->push_back(driveFormOf(path, h, rootLen, h.size()));
        return true;
    }
    if (errno == EEXIST)
        return isHostFolder(h);
    if (errno != ENOENT)
        return false;

    // Some parents are missing: walk up to the deepest one that exists, then make the rest.
    const auto made = [&](std::size_t length) {
        if (created != nullptr)
            created->push_back(driveFormOf(path, h, rootLen, length));
    };
    std::vector<std::size_t> missing{h.size()};
    std::size_t length = h.size();
    for (;;) {
        length = h.rfind('/', length - 1);
        if (length == std::string::npos || length <= rootLen)
            return false; // the drive's own root is missing: a drive that is not there
        h[length] = '\0';
        const int result = ::mkdir(h.c_str(), kNewFolderMode);
        const int error = errno;
        h[length] = '/';
        if (result == 0) {
            made(length);
            break;
        }
        if (error == EEXIST)
            break;
        if (error != ENOENT)
            return false;
        missing.push_back(length);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        const std::size_t prefix = *it;
        const char saved = h[prefix];
        h[prefix] = '\0';
        const int result = ::mkdir(h.c_str(), kNewFolderMode);
        const int error = errno;
        const bool folderNow = result == 0 || (error == EEXIST && isHostFolder(h));
        h[prefix] = saved;
        if (!folderNow)
            return false;
        if (result == 0)
            made(prefix);
    }
    return true;
}

bool HostFileSystem::folderExists(const std::string& path) const {
    const auto host = drives_.toHost(path);
    return host && isHostFolder(*host);
}

bool HostFileSystem::fileExists(const std::string& path) const {
    const auto host = drives_.toHost(path);
    struct stat st;
    return host && ::stat(host->c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool HostFileSystem::isLink(const std::string& path) const {
    const auto host = drives_.toHost(path);
    struct stat st;
    return host && ::lstat(host->c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

std::optional<std::vector<FolderEntry>> HostFileSystem::listFolder(const std::string& path) const {
    return listFolderOf(path, false);
}

std::optional<std::vector<FolderEntry>>
HostFileSystem::listFolderSized(const std::string& path) const {
    return listFolderOf(path, true);
}

std::optional<std::vector<FolderEntry>> HostFileSystem::listFolderOf(const std::string& path,
                                                                     bool sized) const {
    const auto host = drives_.toHost(path);
    if (!host)
        return std::nullopt;
    DIR* dir = ::opendir(host->c_str());
    if (dir == nullptr)
        return std::nullopt;
    std::vector<FolderEntry> entries;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        FolderEntry& listed =
            entries.emplace_back(FolderEntry{std::string(name), kindOfEntry(dir, entry)});
        if (listed.kind == EntryKind::Other)
            listed.mode = specialModeOf(dir, entry);
        if (sized && (listed.kind == EntryKind::File || listed.kind == EntryKind::Other))
            listed.size = SizeAt(::dirfd(dir), entry->d_name);
    }
    ::closedir(dir);
    return entries;
}

std::optional<std::uint64_t> HostFileSystem::fileSize(const std::string& path) const {
    const auto host = drives_.toHost(path);
    struct stat st;
    if (!host || ::stat(host->c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
}

bool HostFileSystem::copyFileExclusive(const std::string& from, const std::string& to) {
    const auto source = drives_.toHost(from);
    const auto target = hostForCreating(to);
    if (!source || !target)
        return false;
    CopyMemory once;
    return CopyFileBetween({AT_FDCWD, source->c_str(), AT_FDCWD, target->c_str()}, from, once,
                           nullptr);
}

bool HostFileSystem::deleteFile(const std::string& path) {
    const auto host = drives_.toHost(path);
    struct stat st;
    if (!host || ::lstat(host->c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    return ::unlink(host->c_str()) == 0;
}

bool HostFileSystem::removeEmptyFolder(const std::string& path) {
    const auto host = drives_.toHost(path);
    if (!host || *host == drives_.rootOf(path[0]))
        return false; // a drive's root stays, empty or not
    return ::rmdir(host->c_str()) == 0;
}

std::uint64_t HostFileSystem::freeSpace(const std::string& path) const {
    const auto root = path.empty() ? std::nullopt : drives_.rootOf(path[0]);
    struct statvfs info;
    if (!root || ::statvfs(root->c_str(), &info) != 0)
        return 0;
    return static_cast<std::uint64_t>(info.f_bavail) * static_cast<std::uint64_t>(info.f_frsize);
}

std::string HostFileSystem::currentFolder() const {
    std::string buffer(4096, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(buffer.find('\0'));
    return drives_.toDrive(buffer).value_or(std::string());
}

bool HostFileSystem::opensForReading(const std::string& path) const {
    const auto host = drives_.toHost(path);
    if (!host) {
        NoteReason("no such drive");
        return false;
    }
    // Non-blocking: a FIFO put in a file's place would wait for a writer.
    FileHandle in(::open(host->c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!in.valid())
        NoteUnreadable(errno, AT_FDCWD, host->c_str());
    return in.valid();
}

std::optional<std::string> HostFileSystem::readFile(const std::string& path) const {
    const auto host = drives_.toHost(path);
    if (!host)
        return std::nullopt;
    FileHandle in(::open(host->c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st;
    if (!in.valid() || ::fstat(in.get(), &st) != 0 || S_ISDIR(st.st_mode))
        return std::nullopt;
    std::string content;
    content.reserve(static_cast<std::size_t>(st.st_size));
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
        if (got == 0)
            return content;
        if (got < 0 && errno != EINTR)
            return std::nullopt;
        if (got > 0)
            content.append(buffer.data(), static_cast<std::size_t>(got));
    }
}

TextFileRead HostFileSystem::readTextFile(const std::string& path, std::uint64_t maxBytes,
                                          const NulBytesAllowed& nulBytesAllowed) const {
    TextFileRead result;
    const auto host = drives_.toHost(path);
    if (!host)
        return result;
    FileHandle in(::open(host->c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st;
    if (!in.valid() || ::fstat(in.get(), &st) != 0 || S_ISDIR(st.st_mode))
        return result;
    // A regular file says its size; pipes and devices are read and counted as they come.
    if (S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        result.tooLarge = true;
        return result;
    }
    std::string content;
    if (S_ISREG(st.st_mode))
        content.reserve(static_cast<std::size_t>(st.st_size));
    std::array<char, 64 * 1024> buffer;
    bool keepNulBytes = false;
    for (;;) {
        const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return result;
        }
        const std::string_view piece(buffer.data(), static_cast<std::size_t>(got));
        if (content.empty() && nulBytesAllowed)
            keepNulBytes = nulBytesAllowed(piece);
        std::size_t nul = piece.find('\0');
        if (keepNulBytes && nul != std::string_view::npos) {
            result.nulByte = true;
            nul = std::string_view::npos;
        }
        const std::string_view kept = piece.substr(0, nul);
        if (content.size() + kept.size() > maxBytes) {
            result.tooLarge = true;
            return result;
        }
        content.append(kept);
        if (nul != std::string_view::npos) {
            result.nulByte = true;
            break;
        }
    }
    result.content = std::move(content);
    return result;
}

std::unique_ptr<AnchoredFolder> HostFileSystem::openAnchor(const std::string& path,
                                                           AnchorReach reach) {
    return OpenHostAnchor(drives_, path, reach);
}

bool HostFileSystem::writeFileExclusive(const std::string& path, const std::string& data) {
    const auto host = hostForCreating(path);
    if (!host)
        return false;
    FileHandle out(
        ::open(host->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode));
    if (!out.valid())
        return false;
    if (WriteAll(out.get(), data.data(), data.size()) && ::fsync(out.get()) == 0 && out.reset())
        return true;
    out.reset();
    ::unlink(host->c_str());
    return false;
}

bool HostFileSystem::writeFileAtomic(const std::string& path, const std::string& data) {
    return streamFileAtomic(path, [&data](const ContentSink& sink) { return sink(data); });
}

bool HostFileSystem::streamFileAtomic(const std::string& path, const ContentProducer& produce) {
    const auto host = hostForCreating(path);
    if (!host)
        return false;
    static std::atomic<unsigned> counter{0};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = *host + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    FileHandle out(fd);
    if (!out.valid())
        return false;
    struct stat old;
    const bool keepMode = ::stat(host->c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const ContentSink sink = [&out](std::string_view piece) {
        return WriteAll(out.get(), piece.data(), piece.size());
    };
    const bool written =
        produce(sink) && (!keepMode || ::fchmod(out.get(), old.st_mode & kPermissionBits) == 0) &&
        ::fsync(out.get()) == 0 && out.reset() && ::rename(temporary.c_str(), host->c_str()) == 0;
    if (!written) {
        out.reset();
        ::unlink(temporary.c_str());
    }
    return written;
}

std::unique_ptr<AppendFile> HostFileSystem::openAppendFile(const std::string& path, AppendOpen how,
                                                           int* error) {
    const auto failed = [error](int code) -> std::unique_ptr<AppendFile> {
        if (error != nullptr)
            *error = code;
        return nullptr;
    };
    const auto host = hostForCreating(path);
    if (!host)
        return failed(EINVAL);
    // Read and write: the records go into a shared mapping of the file (see HostAppendFile).
    const int flags =
        O_RDWR | O_NOFOLLOW | O_CLOEXEC | (how == AppendOpen::CreateNew ? O_CREAT | O_EXCL : 0);
    const int fd = ::open(host->c_str(), flags, kNewFileMode);
    if (fd < 0)
        return failed(errno);
    struct stat st;
    const bool stated = ::fstat(fd, &st) == 0;
    if (!stated || !S_ISREG(st.st_mode)) {
        const int code = stated ? EINVAL : errno;
        ::close(fd);
        return failed(code);
    }
    return MakeHostAppendFile(fd, static_cast<std::uint64_t>(st.st_size));
}

bool HostFileSystem::onSlowDrive(const std::string& path) const {
    constexpr std::uint32_t kFuse = 0x65735546, kNfs = 0x6969, kSmb2 = 0xFE534D42,
                            kCifs = 0xFF534D42;
    std::optional<std::string> host = drives_.toHost(path);
    if (!host)
        return false;
    struct statfs mount {};
    while (::statfs(host->c_str(), &mount) != 0) {
        const std::size_t cut = host->find_last_of('/');
        if (cut == std::string::npos || cut == 0)
            return false;
        host->resize(cut);
    }
    const auto type = static_cast<std::uint32_t>(mount.f_type);
    return type == kFuse || type == kNfs || type == kSmb2 || type == kCifs;
}

} // namespace dirforge::platform
