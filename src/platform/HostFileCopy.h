#pragma once
// One file copy on the host, as good as the system's own copy tool: the target created
// exclusively with the source's permission bits, then a clone of the source where the file
// system can share its blocks, else the bytes kept from an earlier read, else a copy that
// writes only the data and keeps the holes.

#include "platform/CopyMemory.h"
#include "platform/FileIdentity.h"

#include <string>

namespace dirforge::platform {

/// The source and the target of a copy: each a name in an open folder (AT_FDCWD and a host path
/// for a path-based copy).
struct CopyEnds {
    int sourceFolder;
    const char* sourceName;
    int targetFolder;
    const char* targetName;
};

/// Copies the regular file at ends' source (never through a final link) to a new file at their
/// target, which must not exist in any form. key names the source for memory's kept contents.
/// On failure nothing is left at the target that this call made; errno says why.
bool CopyFileBetween(const CopyEnds& ends, const std::string& key, CopyMemory& memory,
                     FileIdentity* identity);

} // namespace dirforge::platform
