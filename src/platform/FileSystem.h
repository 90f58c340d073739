#pragma once
// The drive-letter file system the program works on. Every path is in drive form
// (f:\Clients\A); the host implementation maps drive letters to host folders (DriveMap).

#include "platform/AnchoredFolder.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dirforge::platform {

/// What an enumerated entry is. Symbolic links are reported as links and never followed.
enum class EntryKind { Folder, File, Link, Other };

/// One entry of an enumerated folder (hidden entries included, "." and ".." left out).
struct FolderEntry {
    std::string name;
    EntryKind kind = EntryKind::Other;
    /// The size in bytes of a file or other entry that is not a folder or link, when listed by
    /// listFolderSized; 0 otherwise.
    std::uint64_t size = 0;
    /// Other only: the file type bits (S_IFIFO, S_IFSOCK...) when known, else 0.
    std::uint32_t mode = 0;
};

/// A text file read with a limit (see FileSystem::readTextFile).
struct TextFileRead {
    /// The bytes read; nullopt when the file cannot be opened or is over the limit.
    std::optional<std::string> content;
    /// More than the limit was there: nothing is returned.
    bool tooLarge = false;
    /// A NUL byte was met: content holds the bytes before it (a text file has none).
    bool nulByte = false;
};

/// Decides from the first bytes of a file whether NUL bytes belong to its text.
using NulBytesAllowed = std::function<bool(std::string_view firstBytes)>;

/// Takes one piece of a file's content; false when it could not be written.
using ContentSink = std::function<bool(std::string_view piece)>;
/// Hands a file's content to a sink piece by piece; false when it could not make all of it.
using ContentProducer = std::function<bool(const ContentSink& sink)>;

/// How FileSystem::openAppendFile opens a file of the program's own.
enum class AppendOpen {
    CreateNew, ///< made exclusively: fails when anything stands at the path
    Existing   ///< an existing regular file (not through a link), appended to
};

/// A file of the program's own (a journal) that records are appended to: what an append handed
/// over outlives a killed process (a store into a shared mapping of the file, or one write()).
/// A failed append cuts the file back to its size before it.
class AppendFile {
public:
    virtual ~AppendFile() = default;
    virtual bool append(std::string_view bytes) = 0;
    /// The data on the disk (fdatasync).
    virtual bool sync() = 0;
    /// Cuts the file to size bytes.
    virtual bool truncate(std::uint64_t size) = 0;
    virtual std::uint64_t size() const = 0;
    /// The errno of the last failure.
    virtual int error() const = 0;
};

/// File-system operations in drive form; nothing here overwrites or deletes recursively.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    /// Creates path with every missing parent; appends each folder actually made, outermost first.
    virtual bool createFolder(const std::string& path,
                              std::vector<std::string>* created = nullptr) = 0;
    /// True for an existing folder (a link to a folder counts; see isLink).
    virtual bool folderExists(const std::string& path) const = 0;
    /// True for an existing file that is not a folder.
    virtual bool fileExists(const std::string& path) const = 0;
    /// True when path itself is a symbolic link (not followed).
    virtual bool isLink(const std::string& path) const = 0;
    /// The entries of a folder in the order the file system gives them; nullopt if unreadable.
    virtual std::optional<std::vector<FolderEntry>> listFolder(const std::string& path) const = 0;
    /// The entries as listFolder gives them, each file (and other entry but folder and link)
    /// with its size, 0 where it cannot be read.
    virtual std::optional<std::vector<FolderEntry>> listFolderSized(const std::string& path) const;
    /// 64-bit size of a file; nullopt if it cannot be read.
    virtual std::optional<std::uint64_t> fileSize(const std::string& path) const = 0;
    /// Copies contents and permission bits; fails if the target exists (it is created exclusively).
    virtual bool copyFileExclusive(const std::string& from, const std::string& to) = 0;
    /// Deletes one file (never a folder).
    virtual bool deleteFile(const std::string& path) = 0;
    /// Removes a folder only when it is empty.
    virtual bool removeEmptyFolder(const std::string& path) = 0;
    /// Bytes available to the current user on the drive of path; 0 for a missing drive.
    virtual std::uint64_t freeSpace(const std::string& path) const = 0;
    /// The process's current folder in drive form.
    virtual std::string currentFolder() const = 0;
    /// The whole content of a file; nullopt if it cannot be opened.
    virtual std::optional<std::string> readFile(const std::string& path) const = 0;
    /// Reads a text file (a pipe or /dev/stdin too) up to maxBytes, stopping at the first NUL byte.
    TextFileRead readTextFile(const std::string& path, std::uint64_t maxBytes) const {
        return readTextFile(path, maxBytes, {});
    }
    /// The same, NUL bytes kept as content when nulBytesAllowed says so of the first bytes read
    /// (a text in a wide encoding); nulByte then tells only that some were met.
    virtual TextFileRead readTextFile(const std::string& path, std::uint64_t maxBytes,
                                      const NulBytesAllowed& nulBytesAllowed) const = 0;
    /// Opens the folder a run creates below, or an undo removes below; nullptr when there is none.
    virtual std::unique_ptr<AnchoredFolder> openAnchor(const std::string& path,
                                                       AnchorReach reach) = 0;
    /// True when path lies on a drive whose every request is a round trip (a network share, a
    /// file system in user space), where work on several folders at once pays. This default
    /// knows none.
    virtual bool onSlowDrive(const std::string& /*path*/) const { return false; }
    /// Writes a temporary file beside path and renames it into place.
    virtual bool writeFileAtomic(const std::string& path, const std::string& data) = 0;
    /// writeFileAtomic with content made while it is written, so a large file is never held
    /// whole. Nothing is replaced when produce or a write fails. This default collects the
    /// pieces and calls writeFileAtomic.
    virtual bool streamFileAtomic(const std::string& path, const ContentProducer& produce);
    /// True when the file or folder at path opens for reading (not through a final link, and
    /// nothing is read); else the cause is noted (platform::TakeReason). This default cannot
    /// tell and says yes.
    virtual bool opensForReading(const std::string& path) const;
    /// Opens a file records are appended to; nullptr (errno in *error) when it cannot. This
    /// default has none (ENOTSUP).
    virtual std::unique_ptr<AppendFile> openAppendFile(const std::string& path, AppendOpen how,
                                                       int* error = nullptr);
};

} // namespace dirforge::platform
