#pragma once
// Drive letters to host folders. c: is "/" unless mapped otherwise; DIRFORGE_DRIVES adds more
// ("f=/srv/data;g=/mnt/archive").

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace dirforge::platform {

class DriveMap {
public:
    /// The default map: c: is the host's root folder.
    DriveMap();
    /// The default map plus the mappings of DIRFORGE_DRIVES. Malformed text maps nothing more and
    /// is described in *error (or on stderr when error is null).
    static DriveMap fromEnvironment(std::string* error = nullptr);

    /// Maps letter (either case) to an absolute host folder, replacing an earlier mapping.
    void map(char letter, const std::string& hostRoot);
    /// Adds "l=/dir;m=/dir2" mappings; false with a message, and nothing added, when the text is
    /// malformed.
    bool addMappings(std::string_view mappings, std::string* error = nullptr);

    /// f:\a\b to <root of f>/a/b; nullopt for an unmapped letter, a path without drive or a ".."
    /// element.
    std::optional<std::string> toHost(std::string_view drivePath) const;
    /// An absolute host path to drive form through the longest mapped root that contains it.
    std::optional<std::string> toDrive(std::string_view hostPath) const;
    /// The host folder of a drive letter, if mapped.
    std::optional<std::string> rootOf(char letter) const;

private:
    std::map<char, std::string>
        roots_; // lower-case letter -> host root without trailing slash ("" for /)
};

} // namespace dirforge::platform
