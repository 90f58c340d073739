#pragma once
// The host implementation of AnchoredFolder: an O_PATH handle on the anchor, everything below
// it reached with openat2(RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS) and the *at() calls.

#include "platform/AnchoredFolder.h"
#include "platform/DriveMap.h"

#include <memory>
#include <string>

namespace dirforge::platform {

/// Opens the anchor for path on the drives of map; nullptr when the drive is unmapped, the path
/// climbs ("..") or there is no folder to hold (see AnchorReach).
std::unique_ptr<AnchoredFolder> OpenHostAnchor(const DriveMap& drives, const std::string& path,
                                               AnchorReach reach);

} // namespace dirforge::platform
