#pragma once
// A folder the user chose (a destination, a paths entry's deepest existing folder), opened once
// as given. Everything below it is made, entered and removed relative to open folder handles,
// never through a symbolic link, so what stands on a path at the moment of a call cannot send a
// write or a removal elsewhere. Paths are drive paths that must lie below the anchor.

#include "platform/CopyMemory.h"
#include "platform/FileIdentity.h"

#include <memory>
#include <string>
#include <vector>

namespace dirforge::platform {

/// What a removal below an anchor did.
enum class RemoveOutcome {
    Removed, ///< it was the recorded item and is gone now
    Gone,    ///< nothing stands there (or its folder is gone)
    Kept     ///< something is there that may not be removed: another identity, a changed file, a
             ///< link on the way, a folder that is not empty, or a failing removal
};

/// A made folder or copied file with its identity.
struct MadeItem {
    std::string path;
    FileIdentity identity;
};

/// When a folder made directly in an anchor is asked for its identity.
enum class MadeIdentity {
    Now,  ///< right after it is made
    Later ///< left unknown in the made list; identifyDeferred gives it, for many from one listing
};

/// How FileSystem::openAnchor finds the folder to hold.
enum class AnchorReach {
    Exact,          ///< the path itself must be a folder (links followed: resolved as given)
    DeepestExisting ///< the deepest existing folder at or above the path
};

class AnchoredFolder {
public:
    virtual ~AnchoredFolder() = default;

    /// The anchor in drive form (separators normalised, no trailing backslash; "f:" for a root).
    virtual const std::string& path() const = 0;
    /// The anchor's identity when it was opened.
    virtual const FileIdentity& identity() const = 0;

    /// Creates the folder at path with its missing parents below the anchor; each folder made
    /// is appended to *made (outermost first), also when a later one fails. A link, a file or a
    /// refused name on the way fails. True when a real folder stands at path afterwards.
    virtual bool createFolder(const std::string& path, std::vector<MadeItem>* made,
                              MadeIdentity when) = 0;
    bool createFolder(const std::string& path, std::vector<MadeItem>* made) {
        return createFolder(path, made, MadeIdentity::Now);
    }
    /// The identities createFolder left for later, in the order the folders were made, then
    /// forgotten: one listing of the anchor where there are many, one look-up each otherwise.
    /// A folder no longer there (or no longer a folder) stays unknown.
    virtual std::vector<FileIdentity> identifyDeferred() = 0;
    /// Copies the regular file `source` (drive path, not through a final link) to target, which
    /// is created exclusively in its folder below the anchor; *identity is the copy's.
    virtual bool copyFileInto(const std::string& source, const std::string& target,
                              FileIdentity* identity) = 0;
    /// Copies the regular file `source` (a drive path below from, an anchor held on a structure,
    /// not through a link) to target as copyFileInto does: cloned where the file system can,
    /// else written from the content memory keeps of it, else copied with its holes. The folders
    /// on both sides are reached through handles held while their files are made.
    virtual bool copyFileFrom(AnchoredFolder& from, const std::string& source,
                              const std::string& target, FileIdentity* identity,
                              CopyMemory& memory) = 0;
    /// Reads the regular file `source` below this anchor (not through a link) into content,
    /// with its permission bits; false when it cannot be read or holds more than most bytes.
    virtual bool readFileBelow(const std::string& source, std::uint64_t most,
                               KeptContent& content) = 0;
    /// Writes content to target, created exclusively below the anchor with the content's
    /// permission bits, as copyFileInto creates its copy; *identity is the new file's.
    virtual bool writeFileInto(const std::string& target, const KeptContent& content,
                               FileIdentity* identity) = 0;
    /// Closes the folder handles held below the anchor for the files made in them.
    virtual void releaseFolders() = 0;
    /// Deletes the file at path when it is the recorded one, unchanged since the copy.
    virtual RemoveOutcome removeFile(const std::string& path, const FileIdentity& expected) = 0;
    /// Removes the folder at path when it is the recorded one and empty.
    virtual RemoveOutcome removeFolder(const std::string& path, const FileIdentity& expected) = 0;
    /// Opens the folder at path (this one or one below it) as an anchor of its own, as
    /// FileSystem::openAnchor would open the whole path, but resolved from this anchor's handle:
    /// a link named below is followed, and nothing above is looked up again. nullptr when there
    /// is no folder to hold.
    virtual std::unique_ptr<AnchoredFolder> openFolder(const std::string& path,
                                                       AnchorReach reach) = 0;
};

} // namespace dirforge::platform
