#include "cli/PathArguments.h"

#include "core/PathChecks.h"
#include "core/PathSafety.h"
#include "core/TextRules.h"

#include <utility>

namespace dirforge::cli {

PathArguments::PathArguments(const platform::DriveMap& drives, std::string hostCurrentFolder)
    : drives_(drives), currentFolder_(std::move(hostCurrentFolder)) {}

std::optional<std::string> PathArguments::hostToDrive(const std::string& hostPath) const {
    const std::string absolute =
        hostPath.front() == '/' ? hostPath : currentFolder_ + "/" + hostPath;
    if (!core::HasParentElement(absolute))
        return drives_.toDrive(absolute);
    // A ".." is not resolved here: it stays in the drive form, where every check refuses it
    // exactly as it refuses the same path typed with a drive letter.
    std::size_t cut = 0;
    while (!(absolute.compare(cut, 3, "/..") == 0 &&
             (cut + 3 == absolute.size() || absolute[cut + 3] == '/')))
        cut = absolute.find('/', cut + 1);
    const auto head = drives_.toDrive(cut == 0 ? std::string("/") : absolute.substr(0, cut));
    if (!head)
        return std::nullopt;
    std::string drivePath = *head;
    if (drivePath.back() == '\\')
        drivePath.pop_back();
    return drivePath + core::ToBackslashes(absolute.substr(cut));
}

std::optional<std::string> PathArguments::toDrive(const std::string& argument) const {
    const std::string trimmed = core::Trim(argument);
    if (trimmed.empty())
        return std::nullopt;
    if (core::HasDrivePart(trimmed))
        return core::NormalizePath(
            trimmed); // typed forward slashes become backslashes, as on the pages
    return hostToDrive(trimmed);
}

std::string PathArguments::entryToDrive(const std::string& entry) const {
    const std::string trimmed = core::Trim(entry);
    if (trimmed.empty() || trimmed.front() != '/')
        return entry;
    return hostToDrive(trimmed).value_or(entry);
}

} // namespace dirforge::cli
