#pragma once
// Paths as a user types, pastes or imports them on a Linux desktop: drive paths with forward
// slashes, absolute host paths and paths under the home folder all become drive form here, the
// one place where that rule lives.

#include "platform/DriveMap.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dirforge::platform {

/// What a typed path became.
struct TypedPath {
    enum class Kind {
        Unchanged, ///< not a host path and no forward slash after a drive: the text as given
        Converted, ///< a drive path with forward slashes, or a host path on a mapped drive
        Unmapped   ///< a host path that no mapped drive contains
    };
    Kind kind = Kind::Unchanged;
    /// Drive form when Converted; the text as given otherwise.
    std::string path;
};

/// True for a host path: "/..." or "~" or "~/..." (after trimming).
bool IsHostPath(std::string_view text);

/// The text in drive form. A drive path ("f:/Clients/A") has its forward slashes turned into
/// backslashes; a host path ("/srv/data/A", "~/A" below homeFolder) becomes drive form through
/// the longest mapped root that contains it. Any other text (names, relative paths, "\Docs")
/// comes back unchanged.
TypedPath TypedPathToDrive(const DriveMap& drives, std::string_view text,
                           std::string_view homeFolder);

/// The mapped drives in letter order, each with its host folder.
std::vector<std::pair<char, std::string>> MappedDrives(const DriveMap& drives);

/// The title and message for a host path on no mapped drive; the message lists the mapped drives.
inline constexpr const char* kUnmappedPathTitle = "Host Path.            Warning no: 0802.";
std::string UnmappedPathMessage(const DriveMap& drives, std::string_view path);

/// The user's home folder on the host ($HOME), "" when unknown.
std::string HostHomeFolder();

} // namespace dirforge::platform
