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
/// On failure nothing is left at the target that this call made; errno says why. lookup is
/// what the caller already asked memory for the source (its claim is handed over); without it
/// the copy asks.
bool CopyFileBetween(const CopyEnds& ends, const std::string& key, CopyMemory& memory,
                     FileIdentity* identity, const KeptLookup* lookup = nullptr);

/// Writes content to a new file name in folder, created exclusively with the content's
/// permission bits. On failure nothing is left that this call made; the cause is noted.
bool WriteNewFile(int folder, const char* name, const KeptContent& content, FileIdentity* identity);

/// Reads the regular file name in folder (never through a final link) into content, with its
/// permission bits and device; false (the cause noted) when it cannot be read or holds more than
/// most bytes.
bool ReadSmallFile(int folder, const char* name, std::uint64_t most, KeptContent& content);

} // namespace dirforge::platform
