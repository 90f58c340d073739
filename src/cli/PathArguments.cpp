#include "cli/PathArguments.h"

#include "core/PathChecks.h"
#include "core/TextRules.h"

#include <filesystem>
#include <utility>

namespace dirforge::cli {

PathArguments::PathArguments(const platform::DriveMap& drives, std::string hostCurrentFolder)
    : drives_(drives), currentFolder_(std::move(hostCurrentFolder)) {}

std::optional<std::string> PathArguments::hostToDrive(const std::string& hostPath) const {
    const std::filesystem::path absolute =
        hostPath.front() == '/' ? std::filesystem::path(hostPath) : std::filesystem::path(currentFolder_) / hostPath;
    return drives_.toDrive(absolute.lexically_normal().string());
}

std::optional<std::string> PathArguments::toDrive(const std::string& argument) const {
    const std::string trimmed = core::Trim(argument);
    if (trimmed.empty())
        return std::nullopt;
    if (core::HasDrivePart(trimmed))
        return core::NormalizePath(trimmed); // typed forward slashes become backslashes, as on the pages
    return hostToDrive(trimmed);
}

std::string PathArguments::entryToDrive(const std::string& entry) const {
    const std::string trimmed = core::Trim(entry);
    if (trimmed.empty() || trimmed.front() != '/')
        return entry;
    return hostToDrive(trimmed).value_or(entry);
}

} // namespace dirforge::cli
