// The requests latencyfs serves: each one counted, delayed, then passed through to the backing
// entry relative to its node's O_PATH handle.
#include "LatencyOperations.h"

#include "LatencyCalls.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

namespace dirforge::latencyfs {

namespace {

NodeTable* gNodes = nullptr;
std::uint64_t* gCounters = nullptr; // mapped statistics file, or null
timespec gDelay{};

/// Counts the request and waits the round trip before it is served.
void Serve(Call call) {
    if (gCounters != nullptr)
        std::atomic_ref<std::uint64_t>(gCounters[static_cast<std::size_t>(call)]).fetch_add(1);
    timespec left = gDelay;
    while ((left.tv_sec != 0 || left.tv_nsec != 0) && ::nanosleep(&left, &left) != 0 &&
           errno == EINTR) {
    }
}

Node& NodeOf(fuse_ino_t ino) {
    return gNodes->node(ino);
}

std::string ProcPath(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

int StatOf(int fd, struct stat& st) {
    return ::fstatat(fd, "", &st, AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW);
}

/// Looks name up below parent and answers with a fresh entry; the caller has been served.
void ReplyEntry(fuse_req_t req, fuse_ino_t parent, const char* name) {
    fuse_entry_param entry{};
    const int error = gNodes->lookup(NodeOf(parent).fd, name, entry.ino, entry.attr);
    if (error != 0) {
        fuse_reply_err(req, error);
        return;
    }
    entry.attr_timeout = 0;
    entry.entry_timeout = 0;
    if (fuse_reply_entry(req, &entry) != 0)
        gNodes->forget(entry.ino, 1); // the kernel never saw it
}

void ReplyResult(fuse_req_t req, int result) {
    fuse_reply_err(req, result == 0 ? 0 : errno);
}

void OpLookup(fuse_req_t req, fuse_ino_t parent, const char* name) {
    Serve(Call::Lookup);
    ReplyEntry(req, parent, name); // a missing name is ENOENT: never cached
}

void OpForget(fuse_req_t req, fuse_ino_t ino, uint64_t count) {
    gNodes->forget(ino, count);
    fuse_reply_none(req);
}

void OpForgetMulti(fuse_req_t req, size_t count, fuse_forget_data* forgets) {
    for (size_t i = 0; i < count; ++i)
        gNodes->forget(forgets[i].ino, forgets[i].nlookup);
    fuse_reply_none(req);
}

void OpGetAttr(fuse_req_t req, fuse_ino_t ino, fuse_file_info*) {
    Serve(Call::GetAttr);
    struct stat st;
    if (StatOf(NodeOf(ino).fd, st) != 0)
        fuse_reply_err(req, errno);
    else
        fuse_reply_attr(req, &st, 0);
}

int ApplyAttributes(int fd, const struct stat& attr, int toSet, fuse_file_info* fi) {
    const std::string proc = ProcPath(fd);
    if ((toSet & FUSE_SET_ATTR_MODE) != 0) {
        const int result = fi != nullptr ? ::fchmod(static_cast<int>(fi->fh), attr.st_mode)
                                         : ::chmod(proc.c_str(), attr.st_mode);
        if (result != 0)
            return errno;
    }
    if ((toSet & (FUSE_SET_ATTR_UID | FUSE_SET_ATTR_GID)) != 0) {
        const uid_t uid = (toSet & FUSE_SET_ATTR_UID) != 0 ? attr.st_uid : static_cast<uid_t>(-1);
        const gid_t gid = (toSet & FUSE_SET_ATTR_GID) != 0 ? attr.st_gid : static_cast<gid_t>(-1);
        if (::fchownat(fd, "", uid, gid, AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW) != 0)
            return errno;
    }
    if ((toSet & FUSE_SET_ATTR_SIZE) != 0) {
        const int result = fi != nullptr ? ::ftruncate(static_cast<int>(fi->fh), attr.st_size)
                                         : ::truncate(proc.c_str(), attr.st_size);
        if (result != 0)
            return errno;
    }
    if ((toSet & (FUSE_SET_ATTR_ATIME | FUSE_SET_ATTR_MTIME)) != 0) {
        timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_OMIT}};
        if ((toSet & FUSE_SET_ATTR_ATIME_NOW) != 0)
            times[0].tv_nsec = UTIME_NOW;
        else if ((toSet & FUSE_SET_ATTR_ATIME) != 0)
            times[0] = attr.st_atim;
        if ((toSet & FUSE_SET_ATTR_MTIME_NOW) != 0)
            times[1].tv_nsec = UTIME_NOW;
        else if ((toSet & FUSE_SET_ATTR_MTIME) != 0)
            times[1] = attr.st_mtim;
        if (::utimensat(AT_FDCWD, proc.c_str(), times, 0) != 0)
            return errno;
    }
    return 0;
}

void OpSetAttr(fuse_req_t req, fuse_ino_t ino, struct stat* attr, int toSet, fuse_file_info* fi) {
    Serve(Call::SetAttr);
    const int fd = NodeOf(ino).fd;
    struct stat st;
    const int error = ApplyAttributes(fd, *attr, toSet, fi);
    if (error != 0)
        fuse_reply_err(req, error);
    else if (StatOf(fd, st) != 0)
        fuse_reply_err(req, errno);
    else
        fuse_reply_attr(req, &st, 0);
}

void OpReadLink(fuse_req_t req, fuse_ino_t ino) {
    Serve(Call::ReadLink);
    std::vector<char> target(PATH_MAX + 1);
    const ssize_t length = ::readlinkat(NodeOf(ino).fd, "", target.data(), target.size());
    if (length < 0 || static_cast<size_t>(length) >= target.size()) {
        fuse_reply_err(req, length < 0 ? errno : ENAMETOOLONG);
        return;
    }
    target[static_cast<size_t>(length)] = '\0';
    fuse_reply_readlink(req, target.data());
}

void OpMkDir(fuse_req_t req, fuse_ino_t parent, const char* name, mode_t mode) {
    Serve(Call::MkDir);
    if (::mkdirat(NodeOf(parent).fd, name, mode) != 0)
        fuse_reply_err(req, errno);
    else
        ReplyEntry(req, parent, name);
}

void OpSymLink(fuse_req_t req, const char* link, fuse_ino_t parent, const char* name) {
    Serve(Call::SymLink);
    if (::symlinkat(link, NodeOf(parent).fd, name) != 0)
        fuse_reply_err(req, errno);
    else
        ReplyEntry(req, parent, name);
}

void OpUnlink(fuse_req_t req, fuse_ino_t parent, const char* name) {
    Serve(Call::Unlink);
    ReplyResult(req, ::unlinkat(NodeOf(parent).fd, name, 0));
}

void OpRmDir(fuse_req_t req, fuse_ino_t parent, const char* name) {
    Serve(Call::RmDir);
    ReplyResult(req, ::unlinkat(NodeOf(parent).fd, name, AT_REMOVEDIR));
}

void OpRename(fuse_req_t req, fuse_ino_t parent, const char* name, fuse_ino_t newParent,
              const char* newName, unsigned int flags) {
    Serve(Call::Rename);
    ReplyResult(req, ::renameat2(NodeOf(parent).fd, name, NodeOf(newParent).fd, newName, flags));
}

void OpCreate(fuse_req_t req, fuse_ino_t parent, const char* name, mode_t mode,
              fuse_file_info* fi) {
    Serve(Call::Create);
    const int fd =
        ::openat(NodeOf(parent).fd, name, (fi->flags | O_CREAT | O_CLOEXEC) & ~O_NOFOLLOW, mode);
    if (fd < 0) {
        fuse_reply_err(req, errno);
        return;
    }
    fuse_entry_param entry{};
    const int error = gNodes->lookup(NodeOf(parent).fd, name, entry.ino, entry.attr);
    if (error != 0) {
        ::close(fd);
        fuse_reply_err(req, error);
        return;
    }
    fi->fh = static_cast<uint64_t>(fd);
    if (fuse_reply_create(req, &entry, fi) != 0) {
        ::close(fd);
        gNodes->forget(entry.ino, 1);
    }
}

void OpOpen(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi) {
    Serve(Call::Open);
    const int fd = ::open(ProcPath(NodeOf(ino).fd).c_str(), (fi->flags | O_CLOEXEC) & ~O_NOFOLLOW);
    if (fd < 0) {
        fuse_reply_err(req, errno);
        return;
    }
    fi->fh = static_cast<uint64_t>(fd);
    if (fuse_reply_open(req, fi) != 0)
        ::close(fd);
}

void OpRead(fuse_req_t req, fuse_ino_t, size_t size, off_t offset, fuse_file_info* fi) {
    Serve(Call::Read);
    std::vector<char> buffer(size);
    const ssize_t got = ::pread(static_cast<int>(fi->fh), buffer.data(), size, offset);
    if (got < 0)
        fuse_reply_err(req, errno);
    else
        fuse_reply_buf(req, buffer.data(), static_cast<size_t>(got));
}

void OpWrite(fuse_req_t req, fuse_ino_t, const char* data, size_t size, off_t offset,
             fuse_file_info* fi) {
    Serve(Call::Write);
    const ssize_t written = ::pwrite(static_cast<int>(fi->fh), data, size, offset);
    if (written < 0)
        fuse_reply_err(req, errno);
    else
        fuse_reply_write(req, static_cast<size_t>(written));
}

void OpFlush(fuse_req_t req, fuse_ino_t, fuse_file_info* fi) {
    Serve(Call::Flush);
    // A close of a duplicate reports what a close of the caller's handle would.
    ReplyResult(req, ::close(::dup(static_cast<int>(fi->fh))));
}

void OpRelease(fuse_req_t req, fuse_ino_t, fuse_file_info* fi) {
    Serve(Call::Release);
    ::close(static_cast<int>(fi->fh));
    fuse_reply_err(req, 0);
}

void OpFsync(fuse_req_t req, fuse_ino_t, int dataOnly, fuse_file_info* fi) {
    Serve(Call::Fsync);
    const int fd = static_cast<int>(fi->fh);
    ReplyResult(req, dataOnly != 0 ? ::fdatasync(fd) : ::fsync(fd));
}

/// An open folder being listed: the stream and the entry read but not yet handed out.
struct DirStream {
    DIR* dir = nullptr;
    off_t offset = 0;
    dirent* pending = nullptr;
};

DirStream& StreamOf(fuse_file_info* fi) {
    return *reinterpret_cast<DirStream*>(fi->fh);
}

void OpOpenDir(fuse_req_t req, fuse_ino_t ino, fuse_file_info* fi) {
    Serve(Call::OpenDir);
    const int fd = ::openat(NodeOf(ino).fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (dir == nullptr) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        fuse_reply_err(req, error);
        return;
    }
    auto* stream = new DirStream{dir};
    fi->fh = reinterpret_cast<uint64_t>(stream);
    if (fuse_reply_open(req, fi) != 0) {
        ::closedir(dir);
        delete stream;
    }
}

void OpReadDir(fuse_req_t req, fuse_ino_t, size_t size, off_t offset, fuse_file_info* fi) {
    Serve(Call::ReadDir);
    DirStream& stream = StreamOf(fi);
    if (offset != stream.offset) {
        ::seekdir(stream.dir, offset);
        stream.pending = nullptr;
        stream.offset = offset;
    }
    std::vector<char> buffer(size);
    size_t used = 0;
    for (;;) {
        if (stream.pending == nullptr) {
            errno = 0;
            stream.pending = ::readdir(stream.dir);
            if (stream.pending == nullptr) {
                if (errno != 0 && used == 0) {
                    fuse_reply_err(req, errno);
                    return;
                }
                break;
            }
        }
        struct stat st {};
        st.st_ino = stream.pending->d_ino;
        st.st_mode = static_cast<mode_t>(stream.pending->d_type) << 12;
        const off_t next = stream.pending->d_off;
        const size_t entrySize = fuse_add_direntry(req, buffer.data() + used, size - used,
                                                   stream.pending->d_name, &st, next);
        if (entrySize > size - used)
            break;
        used += entrySize;
        stream.pending = nullptr;
        stream.offset = next;
    }
    fuse_reply_buf(req, buffer.data(), used);
}

void OpReleaseDir(fuse_req_t req, fuse_ino_t, fuse_file_info* fi) {
    Serve(Call::ReleaseDir);
    DirStream* stream = &StreamOf(fi);
    ::closedir(stream->dir);
    delete stream;
    fuse_reply_err(req, 0);
}

void OpStatFs(fuse_req_t req, fuse_ino_t ino) {
    Serve(Call::StatFs);
    struct statvfs info;
    if (::fstatvfs(NodeOf(ino).fd, &info) != 0)
        fuse_reply_err(req, errno);
    else
        fuse_reply_statfs(req, &info);
}

// Requests this file system does not serve still cost their round trip; the answer "not
// implemented" makes the kernel stop sending them.
void Unsupported(fuse_req_t req) {
    Serve(Call::Unsupported);
    fuse_reply_err(req, ENOSYS);
}
void OpAccess(fuse_req_t req, fuse_ino_t, int) {
    Unsupported(req);
}
void OpGetXattr(fuse_req_t req, fuse_ino_t, const char*, size_t) {
    Unsupported(req);
}
void OpListXattr(fuse_req_t req, fuse_ino_t, size_t) {
    Unsupported(req);
}
void OpSetXattr(fuse_req_t req, fuse_ino_t, const char*, const char*, size_t, int) {
    Unsupported(req);
}
void OpRemoveXattr(fuse_req_t req, fuse_ino_t, const char*) {
    Unsupported(req);
}
void OpLseek(fuse_req_t req, fuse_ino_t, off_t, int, fuse_file_info*) {
    Unsupported(req);
}
void OpCopyFileRange(fuse_req_t req, fuse_ino_t, off_t, fuse_file_info*, fuse_ino_t, off_t,
                     fuse_file_info*, size_t, int) {
    Unsupported(req);
}
void OpFallocate(fuse_req_t req, fuse_ino_t, int, off_t, off_t, fuse_file_info*) {
    Unsupported(req);
}

} // namespace

fuse_lowlevel_ops Operations(NodeTable& nodes, std::uint64_t* counters, long delayMicroseconds) {
    gNodes = &nodes;
    gCounters = counters;
    gDelay.tv_sec = delayMicroseconds / 1000000;
    gDelay.tv_nsec = (delayMicroseconds % 1000000) * 1000;
    fuse_lowlevel_ops ops{};
    ops.lookup = OpLookup;
    ops.forget = OpForget;
    ops.forget_multi = OpForgetMulti;
    ops.getattr = OpGetAttr;
    ops.setattr = OpSetAttr;
    ops.readlink = OpReadLink;
    ops.mkdir = OpMkDir;
    ops.unlink = OpUnlink;
    ops.rmdir = OpRmDir;
    ops.symlink = OpSymLink;
    ops.rename = OpRename;
    ops.open = OpOpen;
    ops.read = OpRead;
    ops.write = OpWrite;
    ops.flush = OpFlush;
    ops.release = OpRelease;
    ops.fsync = OpFsync;
    ops.opendir = OpOpenDir;
    ops.readdir = OpReadDir;
    ops.releasedir = OpReleaseDir;
    ops.statfs = OpStatFs;
    ops.create = OpCreate;
    ops.access = OpAccess;
    ops.getxattr = OpGetXattr;
    ops.listxattr = OpListXattr;
    ops.setxattr = OpSetXattr;
    ops.removexattr = OpRemoveXattr;
    ops.lseek = OpLseek;
    ops.copy_file_range = OpCopyFileRange;
    ops.fallocate = OpFallocate;
    return ops;
}

} // namespace dirforge::latencyfs
