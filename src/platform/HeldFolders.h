#pragma once
// Folder handles below an anchor, kept open by their path below it while what goes into them is
// made: a copy's folder gets its files and subfolders through one handle, not one look-up of
// its whole path per file. A bounded number is held at once.

#include "platform/HostFolderCalls.h"

#include <cstddef>
#include <string>
#include <unordered_map>

namespace dirforge::platform {

class HeldFolders {
public:
    /// The handle of rel (elements joined by "/") below the anchor open at anchor: the held one,
    /// or one opened now (never through a link, never out of the anchor) and held. -1 (errno
    /// set) when there is no folder to open. Valid until the next hold or clear.
    int open(int anchor, const std::string& rel);
    /// Holds folder as the handle of rel.
    void hold(const std::string& rel, Fd folder);
    /// Closes every held handle.
    void clear() { held_.clear(); }

private:
    static constexpr std::size_t kMostHeld = 256;
    std::unordered_map<std::string, Fd> held_;
};

} // namespace dirforge::platform
