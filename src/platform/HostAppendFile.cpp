#include "platform/HostAppendFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dirforge::platform {

namespace {

/// Room reserved at a time: an eighth of what is there, within these bounds, so that a killed
/// run leaves a tail of zeros of at most kMostReserved.
constexpr std::uint64_t kLeastReserved = 1 << 20;
constexpr std::uint64_t kMostReserved = 16 << 20;

class HostAppendFile : public AppendFile {
public:
    HostAppendFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    ~HostAppendFile() override {
        unmap();
        ::close(fd_);
    }
    HostAppendFile(const HostAppendFile&) = delete;
    HostAppendFile& operator=(const HostAppendFile&) = delete;

    bool append(std::string_view bytes) override {
        // The first record of an empty file (a journal's header) is written, so that no file is
        // ever left holding reserved zeros and nothing before them.
        if (size_ == 0 || (size_ + bytes.size() > reserved_ && !reserve(bytes.size())))
            return writeAt(bytes);
        std::memcpy(map_ + (size_ - windowStart_), bytes.data(), bytes.size());
        size_ += bytes.size();
        return true;
    }
    bool sync() override { return ::fdatasync(fd_) == 0 || fail(); }
    bool truncate(std::uint64_t size) override {
        if (mapped_ && size >= windowStart_ && size <= size_) {
            // No stale record is left after the cut.
            std::memset(map_ + (size - windowStart_), 0, size_ - size);
            size_ = size;
            return true;
        }
        unmap();
        if (::ftruncate(fd_, static_cast<off_t>(size)) != 0)
            return fail();
        size_ = size;
        return true;
    }
    std::uint64_t size() const override { return size_; }
    int error() const override { return error_; }

private:
    /// Room for at least more bytes after the records, reserved on the disk and mapped from the
    /// page that holds the end of the records: only that window of the file is mapped, so a
    /// long journal does not stay in the process's memory. False (and pwrite from now on) when
    /// the file system cannot reserve or map, or has no room left.
    bool reserve(std::size_t more) {
        if (unmappable_)
            return false;
        const std::uint64_t step =
            std::clamp<std::uint64_t>(size_ / 8, kLeastReserved, kMostReserved);
        const std::uint64_t end = size_ + std::max<std::uint64_t>(more, step);
        if (::fallocate(fd_, 0, static_cast<off_t>(size_), static_cast<off_t>(end - size_)) != 0) {
            giveUpMapping();
            return false;
        }
        const std::uint64_t page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
        const std::uint64_t start = size_ / page * page;
        if (mapped_)
            ::munmap(map_, reserved_ - windowStart_);
        mapped_ = false;
        // Populated at once: one call instead of a page fault per page the records reach.
        void* at = ::mmap(nullptr, end - start, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE,
                          fd_, static_cast<off_t>(start));
        if (at == MAP_FAILED) {
            giveUpMapping();
            return false;
        }
        map_ = static_cast<char*>(at);
        windowStart_ = start;
        reserved_ = end;
        mapped_ = true;
        return true;
    }

    /// From now on records are written: the reserved room after them is given back first.
    void giveUpMapping() {
        unmappable_ = true;
        unmap();
    }

    void unmap() {
        if (mapped_)
            ::munmap(map_, reserved_ - windowStart_);
        mapped_ = false;
        map_ = nullptr;
        windowStart_ = 0;
        reserved_ = 0;
        // The file ends at its last record (fallocate may have grown it before a failed map).
        struct stat st;
        if (::fstat(fd_, &st) == 0 && static_cast<std::uint64_t>(st.st_size) > size_)
            static_cast<void>(::ftruncate(fd_, static_cast<off_t>(size_)));
    }

    bool writeAt(std::string_view bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t wrote = ::pwrite(fd_, bytes.data() + done, bytes.size() - done,
                                           static_cast<off_t>(size_ + done));
            if (wrote < 0 && errno == EINTR)
                continue;
            if (wrote <= 0) {
                error_ = wrote < 0 ? errno : ENOSPC;
                if (done > 0) // no torn record is left behind a failure we saw
                    static_cast<void>(::ftruncate(fd_, static_cast<off_t>(size_)));
                return false;
            }
            done += static_cast<std::size_t>(wrote);
        }
        size_ += bytes.size();
        return true;
    }

    bool fail() {
        error_ = errno;
        return false;
    }

    int fd_;
    std::uint64_t size_;
    /// The mapped window: file offsets [windowStart_, reserved_) at map_.
    char* map_ = nullptr;
    std::uint64_t windowStart_ = 0;
    std::uint64_t reserved_ = 0;
    bool mapped_ = false;
    bool unmappable_ = false;
    int error_ = 0;
};

} // namespace

std::unique_ptr<AppendFile> MakeHostAppendFile(int fd, std::uint64_t size) {
    return std::make_unique<HostAppendFile>(fd, size);
}

} // namespace dirforge::platform
