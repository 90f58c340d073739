#pragma once
// The drive-letter file system on a POSIX host: every drive path is mapped through a DriveMap
// and served by plain system calls (no exceptions, one host path built per call).

#include "platform/DriveMap.h"
#include "platform/FileSystem.h"

namespace dirforge::platform {

/// FileSystem over host folders. Creating operations refuse names the desktop file system
/// refuses (see PortableNames.h); a drive's root is never created or removed.
class HostFileSystem : public FileSystem {
public:
    /// Serves the drives of the given map (kept by value; change it through drives()).
    explicit HostFileSystem(DriveMap drives = DriveMap::fromEnvironment());

    /// The drive letters this file system serves.
    DriveMap& drives() { return drives_; }
    const DriveMap& drives() const { return drives_; }

    /// Also on failure, *created lists the folders made before the failing one (so they can be
    /// undone).
    bool createFolder(const std::string& path,
                      std::vector<std::string>* created = nullptr) override;
    bool folderExists(const std::string& path) const override;
    bool fileExists(const std::string& path) const override;
    bool isLink(const std::string& path) const override;
    std::optional<std::vector<FolderEntry>> listFolder(const std::string& path) const override;
    std::optional<std::vector<FolderEntry>> listFolderSized(const std::string& path) const override;
    std::optional<std::uint64_t> fileSize(const std::string& path) const override;
    /// Refuses a link or anything but a regular file as source; removes a partly written target.
    bool copyFileExclusive(const std::string& from, const std::string& to) override;
    bool deleteFile(const std::string& path) override;
    bool removeEmptyFolder(const std::string& path) override;
    std::uint64_t freeSpace(const std::string& path) const override;
    std::string currentFolder() const override;
    std::optional<std::string> readFile(const std::string& path) const override;
    bool opensForReading(const std::string& path) const override;
    using FileSystem::readTextFile;
    TextFileRead readTextFile(const std::string& path, std::uint64_t maxBytes,
                              const NulBytesAllowed& nulBytesAllowed) const override;
    std::unique_ptr<AnchoredFolder> openAnchor(const std::string& path, AnchorReach reach) override;
    /// By the type of the mount the deepest existing folder of path is on: FUSE, NFS, SMB or CIFS.
    bool onSlowDrive(const std::string& path) const override;
    /// Creates path exclusively (never replacing anything) with data; false when something is
    /// there.
    bool writeFileExclusive(const std::string& path, const std::string& data);
    /// Keeps the permission bits of a file it replaces; the old file stays untouched on failure.
    bool writeFileAtomic(const std::string& path, const std::string& data) override;
    /// The same, each piece written as it comes.
    bool streamFileAtomic(const std::string& path, const ContentProducer& produce) override;
    /// CreateNew refuses anything at the path (a link too); Existing opens only a regular file,
    /// never through a link.
    std::unique_ptr<AppendFile> openAppendFile(const std::string& path, AppendOpen how,
                                               int* error = nullptr) override;

private:
    /// One pass over path's entries; with sized, each file's size beside its folder's handle.
    std::optional<std::vector<FolderEntry>> listFolderOf(const std::string& path, bool sized) const;
    /// The host path of a drive path that may be created: nullopt when unmapped or a name is
    /// refused.
    std::optional<std::string> hostForCreating(const std::string& path) const;

    DriveMap drives_;
};

} // namespace dirforge::platform
