#include "platform/HostFolderCalls.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace dirforge::platform {

Fd& Fd::operator=(Fd&& other) noexcept {
    if (this != &other) {
        reset();
        fd_ = other.fd_;
        owned_ = other.owned_;
        other.fd_ = -1;
    }
    return *this;
}

bool Fd::reset() {
    const bool ok = fd_ < 0 || !owned_ || ::close(fd_) == 0;
    fd_ = -1;
    return ok;
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

bool FolderIdentityAt(int dirfd, const char* name, FileIdentity& identity, std::uint64_t* links) {
    const int flags =
        AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC | (*name == '\0' ? AT_EMPTY_PATH : 0);
    struct statx sx;
    const unsigned mask = STATX_TYPE | STATX_INO | (links != nullptr ? STATX_NLINK : 0);
    if (::statx(dirfd, name, flags, mask, &sx) == 0) {
        if ((sx.stx_mask & (STATX_TYPE | STATX_INO)) != (STATX_TYPE | STATX_INO) ||
            !S_ISDIR(sx.stx_mode))
            return false;
        identity = FileIdentity{};
        identity.device = static_cast<std::uint64_t>(makedev(sx.stx_dev_major, sx.stx_dev_minor));
        identity.inode = sx.stx_ino;
        if (links != nullptr)
            *links = (sx.stx_mask & STATX_NLINK) != 0 ? sx.stx_nlink : 0;
        return true;
    }
    if (errno != ENOSYS)
        return false;
    struct stat st; // a kernel without statx
    if (::fstatat(dirfd, name, &st, flags & ~AT_STATX_DONT_SYNC) != 0 || !S_ISDIR(st.st_mode))
        return false;
    identity = IdentityOf(st);
    if (links != nullptr)
        *links = st.st_nlink;
    return true;
}

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
        FileIdentity entered;
        if (!next.valid() || !FolderIdentityAt(next.get(), "", entered))
            return Fd(); // errno of the failed call (a link fails with ENOTDIR or ELOOP)
        current = std::move(next);
        start = end + 1;
    }
    return current;
}

bool KnownIdentityOf(int fd, FileIdentity& identity, Freshness freshness) {
    struct statx sx;
    const unsigned mask = STATX_TYPE | STATX_INO | STATX_SIZE | STATX_MTIME;
    const int sync = freshness == Freshness::Kept ? AT_STATX_DONT_SYNC : AT_STATX_SYNC_AS_STAT;
    if (::statx(fd, "", AT_EMPTY_PATH | sync, mask, &sx) != 0) {
        struct stat st; // a kernel without statx
        if (errno != ENOSYS || ::fstat(fd, &st) != 0)
            return false;
        identity = IdentityOf(st);
        return true;
    }
    if ((sx.stx_mask & mask) != mask)
        return false;
    identity = FileIdentity{};
    identity.device = static_cast<std::uint64_t>(makedev(sx.stx_dev_major, sx.stx_dev_minor));
    identity.inode = sx.stx_ino;
    if (!S_ISDIR(sx.stx_mode)) {
        identity.size = static_cast<std::int64_t>(sx.stx_size);
        identity.modified =
            static_cast<std::int64_t>(sx.stx_mtime.tv_sec) * 1000000000 + sx.stx_mtime.tv_nsec;
    }
    return true;
}

bool ForEachEntry(int dirfd, std::size_t most, const EntryVisitor& visit) {
    Fd dir(::openat(dirfd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid())
        return false;
    // getdents64 itself rather than fdopendir, which first asks the file system for the folder's
    // attributes: one request fewer per listing on a share.
    alignas(alignof(struct dirent64)) char buffer[32768];
    std::size_t read = 0;
    for (;;) {
        const ssize_t got = ::getdents64(dir.get(), buffer, sizeof buffer);
        if (got <= 0)
            return got == 0;
        for (ssize_t at = 0; at < got;) {
            const auto* entry = reinterpret_cast<const struct dirent64*>(buffer + at);
            at += entry->d_reclen;
            if (++read > most)
                return false;
            if (!visit(entry->d_name, entry->d_type, static_cast<std::uint64_t>(entry->d_ino)))
                return true; // the rest is not needed: on a share, no request for it
        }
    }
}

} // namespace dirforge::platform
