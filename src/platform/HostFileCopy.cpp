#include "platform/HostFileCopy.h"

#include "platform/FailureReason.h"
#include "platform/HostFileContents.h"
#include "platform/HostFolderCalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace dirforge::platform {

namespace {

/// A clone that fails with one of these fails for every file between the two drives: the file
/// system cannot share blocks, or not across these two.
bool RefusedForTheDrive(int error) {
    return error == EOPNOTSUPP || error == EXDEV || error == EINVAL || error == ENOTTY ||
           error == ENOSYS || error == EBADF;
}

/// What the copy needs to know of its open source.
struct SourceFacts {
    std::uint32_t permissions = 0;
    std::uint64_t device = 0;
    std::uint64_t size = 0;
    bool looksSparse = false; ///< fewer blocks than its size needs
};

bool FactsOf(int fd, SourceFacts& facts) {
    struct statx sx;
    const unsigned mask = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_BLOCKS;
    if (::statx(fd, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, mask, &sx) != 0) {
        struct stat st; // a kernel without statx
        if (errno != ENOSYS || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
            return false;
        facts = {static_cast<std::uint32_t>(st.st_mode & kPermissionBits),
                 static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_size),
                 static_cast<std::uint64_t>(st.st_blocks) * 512 <
                     static_cast<std::uint64_t>(st.st_size)};
        return true;
    }
    if ((sx.stx_mask & (STATX_TYPE | STATX_MODE | STATX_SIZE)) !=
            (STATX_TYPE | STATX_MODE | STATX_SIZE) ||
        !S_ISREG(sx.stx_mode)) {
        errno = EINVAL;
        return false;
    }
    facts.permissions = sx.stx_mode & kPermissionBits;
    facts.device = static_cast<std::uint64_t>(makedev(sx.stx_dev_major, sx.stx_dev_minor));
    facts.size = sx.stx_size;
    facts.looksSparse = (sx.stx_mask & STATX_BLOCKS) != 0 && sx.stx_blocks * 512 < sx.stx_size;
    return true;
}

class CopyOne {
public:
    CopyOne(const CopyEnds& ends, const std::string& key, CopyMemory& memory,
            const KeptLookup& lookup)
        : ends_(ends), key_(key), memory_(memory), lookup_(lookup) {}
    ~CopyOne() {
        if (lookup_.claimed) // read but not kept (or not read): the next copy reads it itself
            memory_.release(key_);
    }
    CopyOne(const CopyOne&) = delete;
    CopyOne& operator=(const CopyOne&) = delete;

    bool run(FileIdentity* identity) {
        const KeptContent* kept = lookup_.kept;
        if (kept == nullptr && !openSource()) {
            noteSourceFailure();
            return false;
        }
        const std::uint32_t permissions = kept != nullptr ? kept->permissions : facts_.permissions;
        // O_EXCL: anything standing there (file, folder, even a dangling link) is never touched.
        // The permission bits are given here; only what the umask takes away costs a call.
        out_ = Fd(::openat(ends_.targetFolder, ends_.targetName,
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, permissions));
        if (!out_.valid()) {
            NoteError(errno, ends_.targetFolder, ends_.targetName);
            return false;
        }
        // The device comes from what the kernel holds; the recorded identity is asked afresh once
        // the bytes are in: on a share the kernel's time of a file just written is its own, not
        // the server's, and the undo compares the server's.
        FileIdentity made;
        const bool copied =
            ((permissions & memory_.umask()) == 0 || ::fchmod(out_.get(), permissions) == 0) &&
            KnownIdentityOf(out_.get(), made, Freshness::Kept) && fill(kept, made.device) &&
            KnownIdentityOf(out_.get(), made, Freshness::Asked) && out_.reset();
        if (!copied) {
            const int error = errno;
            NoteError(error, ends_.targetFolder, ends_.targetName);
            out_.reset();
            ::unlinkat(ends_.targetFolder, ends_.targetName, 0); // only the file made here
            errno = error;
            return false;
        }
        if (identity != nullptr)
            *identity = made;
        return true;
    }

private:
    /// The source could not be opened or is not a regular file: a link, a special file, or a
    /// file the user may not read.
    void noteSourceFailure() const { NoteUnreadable(errno, ends_.sourceFolder, ends_.sourceName); }

    bool openSource() {
        in_ = Fd(::openat(ends_.sourceFolder, ends_.sourceName, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        return in_.valid() && FactsOf(in_.get(), facts_);
    }

    /// Puts the content into the new, empty file: clone, kept bytes, or a copy.
    bool fill(const KeptContent* kept, std::uint64_t targetDevice) {
        const std::uint64_t sourceDevice = kept != nullptr ? kept->device : facts_.device;
        if (memory_.mayClone(sourceDevice, targetDevice) && (in_.valid() || openSource())) {
            const int error = memory_.clone(in_.get(), out_.get());
            if (error == 0) {
                ++memory_.tally().cloned;
                return true;
            }
            if (RefusedForTheDrive(error))
                memory_.cloneRefused(sourceDevice, targetDevice);
            else if (::ftruncate(out_.get(), 0) != 0) // nothing half cloned stays
                return false;
        }
        if (kept == nullptr && in_.valid() && memory_.hasRoomFor(facts_.size) &&
            !facts_.looksSparse)
            kept = readToKeep();
        if (kept != nullptr) {
            ++memory_.tally().fromMemory;
            return WriteAll(out_.get(), kept->bytes.data(), kept->bytes.size());
        }
        if (!in_.valid())
            return false;
        ++memory_.tally().streamed;
        if (facts_.looksSparse)
            return CopySparse(in_.get(), out_.get(), facts_.size);
        int kernelError = 0;
        const bool copied =
            CopyContents(in_.get(), out_.get(), facts_.size,
                         memory_.mayCopyInKernel(sourceDevice, targetDevice), &kernelError);
        if (RefusedForTheDrive(kernelError))
            memory_.copyInKernelRefused(sourceDevice, targetDevice);
        return copied;
    }

    /// Reads the whole source and keeps it; what was read is used once, not kept, when it did
    /// not hold what its size said (it changed meanwhile). Null when it could not be read.
    const KeptContent* readToKeep() {
        read_.permissions = facts_.permissions;
        read_.device = facts_.device;
        if (!ReadUpTo(in_.get(), facts_.size + 1, read_.bytes))
            return nullptr;
        if (read_.bytes.size() == facts_.size) {
            lookup_.claimed = false; // keep ends the claim
            if (const KeptContent* kept = memory_.keep(key_, read_))
                return kept;
        }
        return &read_;
    }

    const CopyEnds& ends_;
    const std::string& key_;
    CopyMemory& memory_;
    Fd in_;
    Fd out_;
    SourceFacts facts_;
    KeptContent read_;
    /// What the memory holds of the source, or that this copy claimed it (others wait for its
    /// read).
    KeptLookup lookup_;
};

} // namespace

bool WriteNewFile(int folder, const char* name, const KeptContent& content,
                  FileIdentity* identity) {
    Fd out(::openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    content.permissions));
    if (!out.valid()) {
        NoteError(errno, folder, name);
        return false;
    }
    FileIdentity made;
    const bool written = ::fchmod(out.get(), content.permissions) == 0 &&
                         WriteAll(out.get(), content.bytes.data(), content.bytes.size()) &&
                         KnownIdentityOf(out.get(), made, Freshness::Asked) && out.reset();
    if (!written) {
        const int error = errno;
        NoteError(error, folder, name);
        out.reset();
        ::unlinkat(folder, name, 0); // only the file made here
        return false;
    }
    if (identity != nullptr)
        *identity = made;
    return true;
}

bool ReadSmallFile(int folder, const char* name, std::uint64_t most, KeptContent& content) {
    Fd in(::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    SourceFacts facts;
    if (!in.valid() || !FactsOf(in.get(), facts)) {
        NoteUnreadable(errno, folder, name);
        return false;
    }
    if (facts.size > most)
        return false;
    content.permissions = facts.permissions;
    content.device = facts.device;
    return ReadUpTo(in.get(), most + 1, content.bytes) && content.bytes.size() <= most;
}

bool CopyFileBetween(const CopyEnds& ends, const std::string& key, CopyMemory& memory,
                     FileIdentity* identity, const KeptLookup* lookup) {
    return CopyOne(ends, key, memory, lookup != nullptr ? *lookup : memory.keptOrClaim(key))
        .run(identity);
}

} // namespace dirforge::platform
