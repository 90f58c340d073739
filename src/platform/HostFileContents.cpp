#include "platform/HostFileContents.h"

#include <algorithm>
#include <cerrno>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace dirforge::platform {

namespace {

/// The piece copies read and write at once: large enough that a big file costs few calls and
/// a disk streams, small enough to stay in the processor's caches.
constexpr std::size_t kCopyPiece = 256 * 1024;

char* CopyBuffer() {
    static thread_local std::vector<char> buffer(kCopyPiece);
    return buffer.data();
}

/// Reads up to size bytes at offset (or at the file position when offset is negative).
ssize_t ReadSome(int fd, char* data, std::size_t size, off_t offset) {
    for (;;) {
        const ssize_t got = offset < 0 ? ::read(fd, data, size) : ::pread(fd, data, size, offset);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

/// Writes all of data at offset (or at the file position when offset is negative).
bool WriteAllAt(int fd, const char* data, std::size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t written =
            offset < 0 ? ::write(fd, data, size) : ::pwrite(fd, data, size, offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
        if (offset >= 0)
            offset += written;
    }
    return true;
}

/// Copies what it can of [from, end) of in to the same place in out inside the kernel: no pass
/// through the program's memory, and on a share a copy the server makes itself. Advances from;
/// false when the file systems cannot do it (the rest is then read and written here).
bool CopyRangeInKernel(int in, int out, off_t& from, off_t end) {
    while (from < end) {
        off_t inAt = from, outAt = from;
        const ssize_t copied =
            ::copy_file_range(in, &inAt, out, &outAt, static_cast<std::size_t>(end - from), 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied <= 0)
            return copied == 0; // 0: the file became shorter meanwhile
        from += copied;
    }
    return true;
}

/// Copies [from, end) of in to the same place in out; false when a read or write fails.
bool CopyRange(int in, int out, off_t from, off_t end) {
    if (CopyRangeInKernel(in, out, from, end))
        return true;
    char* buffer = CopyBuffer();
    while (from < end) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<off_t>(end - from, static_cast<off_t>(kCopyPiece)));
        const ssize_t got = ReadSome(in, buffer, want, from);
        if (got < 0)
            return false;
        if (got == 0)
            return true; // the file became shorter meanwhile
        if (!WriteAllAt(out, buffer, static_cast<std::size_t>(got), from))
            return false;
        from += got;
    }
    return true;
}

} // namespace

bool WriteAll(int fd, const char* data, std::size_t size) {
    return WriteAllAt(fd, data, size, -1);
}

bool CopyContents(int from, int to, std::uint64_t size, bool inKernel, int* kernelError) {
    off_t at = 0;
    if (inKernel && !CopyRangeInKernel(from, to, at, static_cast<off_t>(size)) && at == 0 &&
        kernelError != nullptr)
        *kernelError = errno;
    char* buffer = CopyBuffer();
    for (;;) {
        const ssize_t got = ReadSome(from, buffer, kCopyPiece, at);
        if (got == 0)
            return true;
        if (got < 0 || !WriteAllAt(to, buffer, static_cast<std::size_t>(got), at))
            return false;
        at += got;
    }
}

bool CopySparse(int from, int to, std::uint64_t size) {
    const off_t end = static_cast<off_t>(size);
    off_t at = 0;
    while (at < end) {
        const off_t data = ::lseek(from, at, SEEK_DATA);
        if (data < 0) {
            if (errno == ENXIO)
                break; // only a hole is left
            // No hole finding here: every byte is copied, from where the walk stands.
            return CopyRange(from, to, at, end) && ::ftruncate(to, end) == 0;
        }
        off_t hole = ::lseek(from, data, SEEK_HOLE);
        if (hole < 0 || hole > end)
            hole = end;
        if (!CopyRange(from, to, data, hole))
            return false;
        at = hole;
    }
    return ::ftruncate(to, end) == 0;
}

bool ReadUpTo(int fd, std::uint64_t most, std::string& bytes) {
    bytes.resize(most);
    std::uint64_t have = 0;
    while (have < most) {
        const ssize_t got = ReadSome(fd, bytes.data() + have, most - have, -1);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        have += static_cast<std::uint64_t>(got);
    }
    bytes.resize(have);
    return true;
}

} // namespace dirforge::platform
