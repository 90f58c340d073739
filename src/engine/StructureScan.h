#pragma once
// The size of a page's structures and whether they fit on the destination drives.

#include "engine/RunResults.h"
#include "engine/StructureSnapshot.h"
#include "engine/StructureTotals.h"
#include "platform/FileSystem.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dirforge::engine {

/// Scans every structure line (trimmed, blank lines skipped), then extraFolder if given, and sums
/// subfolders (root counted for the main-folder variants) and, only withFiles, files and bytes.
/// Every file's size goes into sizes (a path seen twice keeps its first size). With a snapshot,
/// every structure line's listing and own totals are kept there too (extraFolder is not).
void ComputeStructureTotals(platform::FileSystem& fs,
                            const std::vector<std::string>& structureLines, CopyVariant variant,
                            bool withFiles, StructureTotals& totals, FileSizeMap& sizes,
                            const std::string* extraFolder = nullptr,
                            StructureSnapshot* snapshot = nullptr);

/// "f:\" for any path whose text before the first colon (blanks trimmed) starts with a letter;
/// "" when there is no colon or no letter.
std::string DriveRootOf(const std::string& path);

/// Bytes available to the current user on the drive of path; 0 for a path without drive, an
/// unmapped or absent drive.
std::uint64_t FreeSpaceOf(const platform::FileSystem& fs, const std::string& path);

/// "1.50 KB", "3.00 GB", "0.00 Bytes": two decimals and the largest unit the value exceeds.
std::string SizeText(std::uint64_t bytes);

/// The refusal of a run whose structures do not fit; required in six significant digits.
std::string NotEnoughSpaceMessage(const std::string& root, std::uint64_t freeBytes,
                                  double required);
/// The same refusal with the required count written as a plain integer (paths page).
std::string NotEnoughSpaceMessage(const std::string& root, std::uint64_t freeBytes,
                                  std::uint64_t required);

/// "" when the drive of every path (those with a drive letter) is there; otherwise the message
/// that names the first missing drive (in byte-wise order) and the drives that are there.
std::string MissingDriveMessage(const platform::FileSystem& fs,
                                const std::vector<std::string>& paths);

/// Strings and numbers pages: true when the destination's drive has strictly more free bytes than
/// names x totals.bytes; otherwise false and message = NotEnoughSpaceMessage. No names: false, "".
bool CheckFreeSpace(const platform::FileSystem& fs, const std::string& destination,
                    std::size_t names, const StructureTotals& totals, std::string& message);

/// Paths page, one check per drive. Each target's drive key is its text up to and including the
/// first colon after TrimSpaces ("" without colon; "F:" and "f:" are different keys) and needs
/// totals.bytes. Keys are checked in byte-wise ascending order, each drive queried once; a key
/// passes when its need is not greater than the free space. The first key that fails gives
/// false and message = NotEnoughSpaceMessage (integer form) for its root; later keys are not
/// checked. No targets: false and message "". All pass: true.
bool CheckFreeSpacePerDrive(const platform::FileSystem& fs, const std::vector<std::string>& targets,
                            const StructureTotals& totals, std::string& message);

} // namespace dirforge::engine
