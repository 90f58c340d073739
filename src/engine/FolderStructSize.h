#pragma once
// One breadth-first scan of a folder tree: folders per depth, files, bytes and every file's size.

#include "engine/StructureSnapshot.h"
#include "engine/StructureTotals.h"
#include "platform/FileSystem.h"

#include <cstdint>
#include <map>
#include <string>

namespace dirforge::engine {

/// Depth (separator count) to folder path: the folders still to enumerate, shallowest first.
using PAIR_NIVO_FOLDER_NAMES = std::pair<const std::uint32_t, std::string>;

/// Scans the tree below root. A child's path is parent + "\" + name and its depth is the
/// separator count of that path. A symbolic link is never followed: a link to a folder counts as
/// one folder of its level (nothing below it is read), any other link as a file of 0 bytes, so
/// the totals match what the structure copy meets. A folder that cannot be listed counts only
/// itself.
class FolderStructSize {
public:
    /// Prepares a scan of root (nothing is queued when root is empty); FolderCount starts at 1.
    FolderStructSize(const platform::FileSystem& fs, std::string root);

    /// Whether the root itself stays counted in FolderCount (default false).
    void SetCountRoot(bool countRoot) { countRoot_ = countRoot; }
    /// Keeps every folder's entries in listing (by path relative to the root) as the scan reads
    /// them.
    void KeepListing(StructureListing* listing) { listing_ = listing; }
    /// Walks the whole tree, level by level.
    void Scan();

    const std::string& Root() const { return root_; }
    std::uint64_t TotalBytes() const { return totalBytes_; }
    std::uint32_t FileCount() const { return fileCount_; }
    std::uint32_t FolderCount() const { return folderCount_; }
    const FileSizeMap& FileSizes() const { return fileSizes_; }
    /// Depth to the number of folders enumerated at that depth, the root's depth included.
    const std::map<std::uint32_t, std::uint32_t>& LevelCounts() const { return levelCounts_; }

private:
    void Enumerate(const std::string& folder);
    void CountFile(std::string path, std::uint64_t size);
    void CountLink(std::string path);

    const platform::FileSystem& fs_;
    std::string root_;
    std::multimap<std::uint32_t, std::string> ScanQueue;
    std::map<std::uint32_t, std::uint32_t> levelCounts_;
    std::uint64_t totalBytes_ = 0;
    std::uint32_t fileCount_ = 0;
    std::uint32_t folderCount_ = 1;
    bool countRoot_ = false;
    FileSizeMap fileSizes_;
    StructureListing* listing_ = nullptr;
};

} // namespace dirforge::engine
