#pragma once
// How much work a run or an undo does at once: on drives whose every request is a round trip
// (a network share, a file system in user space) several folders at once, elsewhere one item
// after another. DIRFORGE_OVERLAP overrides it for every drive.

#include "engine/RunRequest.h"
#include "platform/FileSystem.h"

#include <cstddef>
#include <string>

namespace dirforge::engine {

/// Folders worked on at once on a slow drive unless DIRFORGE_OVERLAP says otherwise.
inline constexpr std::size_t kOverlapOnSlowDrives = 8;

/// How many targets a real run works on at once: DIRFORGE_OVERLAP when set (0 or 1: one after
/// another), else kOverlapOnSlowDrives when a drive the run writes to is slow, else 1.
std::size_t OverlapFor(platform::FileSystem& fs, const RunRequest& request);
/// The same for work on the drive of path.
std::size_t OverlapAt(platform::FileSystem& fs, const std::string& path);

} // namespace dirforge::engine
