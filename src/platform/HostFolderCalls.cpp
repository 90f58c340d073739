#include "platform/HostFolderCalls.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
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

bool FolderIdentityAt(int dirfd, const char* name, FileIdentity& identity) {
    const int flags =
        AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC | (*name == '\0' ? AT_EMPTY_PATH : 0);
    struct statx sx;
    if (::statx(dirfd, name, flags, STATX_TYPE | STATX_INO, &sx) == 0) {
        if ((sx.stx_mask & (STATX_TYPE | STATX_INO)) != (STATX_TYPE | STATX_INO) ||
            !S_ISDIR(sx.stx_mode))
            return false;
        identity = FileIdentity{};
        identity.device = static_cast<std::uint64_t>(makedev(sx.stx_dev_major, sx.stx_dev_minor));
        identity.inode = sx.stx_ino;
        return true;
    }
    if (errno != ENOSYS)
        return false;
    struct stat st; // a kernel without statx
    if (::fstatat(dirfd, name, &st, flags & ~AT_STATX_DONT_SYNC) != 0 || !S_ISDIR(st.st_mode))
        return false;
    identity = IdentityOf(st);
    return true;
}

bool ForEachEntry(int dirfd, std::size_t most, const EntryVisitor& visit) {
    const int fd = ::openat(dirfd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return false;
    }
    std::size_t read = 0;
    bool complete = true;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            complete = errno == 0;
            break;
        }
        if (++read > most) {
            complete = false;
            break;
        }
        if (!visit(entry->d_name, entry->d_type, static_cast<std::uint64_t>(entry->d_ino)))
            break; // the rest is not needed: on a share, no request for it
    }
    ::closedir(dir);
    return complete;
}

} // namespace dirforge::platform
