#pragma once
// What a dry run would have made so far, laid over the disk as it stands (FolderPresence), so
// that every question is answered as the real run's file system would answer it at that point:
// a second occurrence of a folder is already there, a file in the way makes a folder fail, and
// a folder below one the dry run "made" is free without asking the disk.

#include "engine/FolderPresence.h"
#include "engine/MakeOutcome.h"
#include "platform/FileSystem.h"

#include <string>
#include <unordered_map>

namespace dirforge::engine {

/// Whether the names a dry run makes are checked against the names the file system refuses.
enum class NameCheck { Refused, Unchecked };

class SimulatedTree {
public:
    explicit SimulatedTree(const platform::FileSystem& fs);

    /// A folder made with its missing parents, as FileSystem::createFolder would make it: Existed
    /// when a folder is there, Failed when something else stands at it or at a parent, when its
    /// drive is missing, or (with NameCheck::Refused) when a folder to be made has a refused name.
    MakeOutcome makeFolder(const std::string& path, NameCheck check = NameCheck::Refused);
    /// A file copied without overwriting, as FileSystem::copyFileExclusive would: Existed when
    /// anything stands at it, Failed when its folder is not there or its name is refused.
    MakeOutcome makeFile(const std::string& path);
    /// Forgets a file makeFile counted as made: its copy is to fail after all.
    void forgetFile(const std::string& path) { made_.erase(KeyOf(path)); }

    /// Makes room for about this many made folders and files.
    void reserve(std::size_t count) { made_.reserve(count); }

    /// The form paths are kept in: drive letter in lower case, "/" as "\", no empty or "."
    /// elements.
    static std::string KeyOf(const std::string& path);

private:
    using Standing = FolderPresence::Standing;

    /// Failed, the cause noted: what stands at key where the folder (atFolder) or a folder above
    /// it is to be made.
    MakeOutcome inTheWay(const std::string& key, bool atFolder) const;
    /// What stands at a key: made by this dry run, or on the disk.
    Standing standingOf(const std::string& key);
    /// Whether the drive of a key ("f:") has its root folder.
    bool drivePresent(const std::string& drive);

    const platform::FileSystem& fs_;
    FolderPresence presence_;
    /// Everything this dry run made, by key: true for a folder, false for a file. Letter case
    /// counts, as it does for the host's file names.
    std::unordered_map<std::string, bool> made_;
    std::unordered_map<std::string, bool> drives_;
};

} // namespace dirforge::engine
