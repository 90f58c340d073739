#pragma once
// The one place where paths typed on the command line become drive paths: a drive path keeps
// its text (separators normalised), a host path is turned into drive form through the drive map.

#include "platform/DriveMap.h"

#include <optional>
#include <string>

namespace dirforge::cli {

class PathArguments {
public:
    /// hostCurrentFolder resolves relative host paths (the process's current folder).
    PathArguments(const platform::DriveMap& drives, std::string hostCurrentFolder);

    /// A folder or file argument: drive path, absolute host path, or host path relative to the
    /// current folder. nullopt when it is empty or has no drive form.
    std::optional<std::string> toDrive(const std::string& argument) const;
    /// An entry of the paths command: absolute host paths are converted, anything else is kept
    /// as listed (an entry without drive letter is then reported by the run, as the page does).
    std::string entryToDrive(const std::string& entry) const;
    const platform::DriveMap& drives() const { return drives_; }

private:
    std::optional<std::string> hostToDrive(const std::string& hostPath) const;

    const platform::DriveMap& drives_;
    std::string currentFolder_;
};

} // namespace dirforge::cli
