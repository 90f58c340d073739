#pragma once
// What makes a folder or file the one a run made: device and inode, and for a file also its size
// and modification time right after the copy. A few bytes per item, kept beside the path lists.

#include <cstdint>

namespace dirforge::platform {

struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    /// Files only: the size after the copy; -1 for a folder.
    std::int64_t size = -1;
    /// Files only: the modification time after the copy in nanoseconds since the epoch.
    std::int64_t modified = 0;

    /// The inode of an item a killed run made (or was making) before its identity reached the
    /// journal: the undo removes it only when a folder (never a link) stands there and it is empty,
    /// or a regular file; and, when a time is given (a file's `modified`, a folder's `device`),
    /// only when it changed since then (it was made after the run began making it).
    static constexpr std::uint64_t kUnverifiedInode = ~std::uint64_t{0};

    /// False for an identity nobody recorded: such an item is never removed.
    bool known() const { return inode != 0; }
    bool unverified() const { return inode == kUnverifiedInode; }
    /// The same folder or file: device and inode (size and time are compared by the undo).
    bool sameObject(const FileIdentity& other) const {
        return device == other.device && inode == other.inode;
    }
    bool operator==(const FileIdentity&) const = default;
};

/// A folder's identity alone (device and inode), half the size of a FileIdentity: a run keeps
/// one for every folder it makes.
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    static FolderIdentity of(const FileIdentity& identity) {
        return {identity.device, identity.inode};
    }
    /// As a FileIdentity: a folder's, without size and time.
    FileIdentity file() const { return {device, inode}; }
    bool known() const { return inode != 0; }
    bool sameObject(const FileIdentity& other) const {
        return device == other.device && inode == other.inode;
    }
    bool operator==(const FolderIdentity&) const = default;
};

} // namespace dirforge::platform
