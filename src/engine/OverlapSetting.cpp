#include "engine/OverlapSetting.h"

#include "core/TextRules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <optional>

namespace dirforge::engine {

namespace {

/// DIRFORGE_OVERLAP when it is a number (0 counts as 1, at most 64).
std::optional<std::size_t> OverlapSetting() {
    const char* setting = std::getenv("DIRFORGE_OVERLAP");
    if (setting == nullptr || *setting == '\0')
        return std::nullopt;
    char* end = nullptr;
    const unsigned long wanted = std::strtoul(setting, &end, 10);
    if (end == nullptr || *end != '\0')
        return std::nullopt;
    return std::clamp<std::size_t>(wanted, 1, 64);
}

} // namespace

std::size_t OverlapFor(platform::FileSystem& fs, const RunRequest& request) {
    if (const std::optional<std::size_t> set = OverlapSetting())
        return *set;
    // One look per drive letter (at the first path on it), not one per paths page entry.
    std::array<bool, 256> looked{};
    const auto slow = [&](const std::string& path) {
        std::size_t at = 0;
        while (at < path.size() && static_cast<unsigned char>(path[at]) <= 32)
            ++at;
        if (at == path.size())
            return false;
        const auto letter =
            static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(path[at])));
        if (looked[letter])
            return false;
        looked[letter] = true;
        return fs.onSlowDrive(core::Trim(path));
    };
    if (request.page == PageKind::Paths) {
        for (const std::string& entry : request.nameList())
            if (slow(entry))
                return kOverlapOnSlowDrives;
    } else if (slow(request.destination)) {
        return kOverlapOnSlowDrives;
    }
    return 1;
}

std::size_t OverlapAt(platform::FileSystem& fs, const std::string& path) {
    if (const std::optional<std::size_t> set = OverlapSetting())
        return *set;
    return fs.onSlowDrive(core::Trim(path)) ? kOverlapOnSlowDrives : 1;
}

} // namespace dirforge::engine
