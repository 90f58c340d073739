#pragma once
// Small pieces of the host anchors: an owned descriptor, identities from stat and statx, and
// one pass over a folder's entries. Every call here is one request on a network share; none
// asks the file server for what the kernel already holds.

#include "platform/FileIdentity.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace dirforge::platform {

/// New folders are made with every permission, narrowed by the process's umask as every tool
/// does; new files likewise without execution.
constexpr mode_t kNewFolderMode = 0777;
constexpr mode_t kNewFileMode = 0666;
/// The permission bits a copy carries over: set-id and sticky bits never are.
constexpr mode_t kPermissionBits = 0777;

/// Closes a descriptor when it goes out of scope (unless it is borrowed).
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd, bool owned = true) : fd_(fd), owned_(owned) {}
    Fd(Fd&& other) noexcept : fd_(other.fd_), owned_(other.owned_) { other.fd_ = -1; }
    Fd& operator=(Fd&& other) noexcept;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    /// Closes now; false when the close reports a failed write-back.
    bool reset();

private:
    int fd_ = -1;
    bool owned_ = true;
};

/// Device and inode of st, and for anything but a folder also size and modification time.
FileIdentity IdentityOf(const struct stat& st);

/// The identity of the folder name in dirfd (name empty: dirfd itself), never through a link.
/// A folder's device, inode and kind never change, so the kernel's copy of its attributes is
/// used where it has one: a network file system is not asked for fresh ones. False when
/// nothing, or something other than a folder, stands there. links, when given, receives the
/// folder's link count (0 when the file system does not give one).
bool FolderIdentityAt(int dirfd, const char* name, FileIdentity& identity,
                      std::uint64_t* links = nullptr);

/// Opens rel (elements joined by "/") below dirfd as a folder (O_PATH), never through a link or
/// out of dirfd; rel empty: dirfd itself, borrowed. Invalid (errno set) when it cannot.
Fd OpenBeneath(int dirfd, const std::string& rel);

/// How fresh an identity must be.
enum class Freshness {
    Kept, ///< the attributes the kernel holds (AT_STATX_DONT_SYNC): no request to a share
    Asked ///< asked of the file system: a file just written on a share has a newer time there
};

/// The identity of the file open at fd. False when it cannot be read.
bool KnownIdentityOf(int fd, FileIdentity& identity, Freshness freshness);

/// What one pass over a folder's entries gives for each: name, d_type, inode. It answers false
/// when it has seen enough.
using EntryVisitor =
    std::function<bool(std::string_view name, unsigned char type, std::uint64_t inode)>;

/// Reads the folder open at dirfd (any handle, O_PATH too) once, "." and ".." included; stops
/// after at most `most` entries or when the visitor has seen enough. False when it cannot be
/// read or was cut short by `most`.
bool ForEachEntry(int dirfd, std::size_t most, const EntryVisitor& visit);

} // namespace dirforge::platform
