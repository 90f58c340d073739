#include "platform/TypedPaths.h"

#include "core/TextRules.h"

#include <cstdlib>
#include <filesystem>

namespace dirforge::platform {

namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

/// "~" and "~/x" below home; other texts as they are.
std::string ExpandHome(const std::string& text, std::string_view homeFolder) {
    if (text.empty() || text[0] != '~' || homeFolder.empty())
        return text;
    return std::string(homeFolder) + text.substr(1);
}

} // namespace

bool IsHostPath(std::string_view text) {
    const std::string trimmed = core::Trim(text);
    if (trimmed.empty())
        return false;
    if (trimmed[0] == '/')
        return true;
    return trimmed[0] == '~' && (trimmed.size() == 1 || trimmed[1] == '/');
}

TypedPath TypedPathToDrive(const DriveMap& drives, std::string_view text,
                           std::string_view homeFolder) {
    const std::string trimmed = core::Trim(text);
    if (IsHostPath(trimmed)) {
        const std::string expanded = ExpandHome(trimmed, homeFolder);
        if (expanded.empty() || expanded[0] != '/')
            return {TypedPath::Kind::Unmapped, std::string(text)};
        const std::string normal = std::filesystem::path(expanded).lexically_normal().string();
        if (auto drivePath = drives.toDrive(normal))
            return {TypedPath::Kind::Converted, *drivePath};
        return {TypedPath::Kind::Unmapped, std::string(text)};
    }
    // f:/Clients/A means f:\Clients\A: typed forward slashes are turned around, as everywhere.
    const bool drivePath = trimmed.size() >= 2 && IsLetter(trimmed[0]) && trimmed[1] == ':';
    if (drivePath && trimmed.find('/') != std::string::npos)
        return {TypedPath::Kind::Converted, core::ToBackslashes(trimmed)};
    return {TypedPath::Kind::Unchanged, std::string(text)};
}

std::vector<std::pair<char, std::string>> MappedDrives(const DriveMap& drives) {
    std::vector<std::pair<char, std::string>> mapped;
    for (char letter = 'a'; letter <= 'z'; ++letter)
        if (auto root = drives.rootOf(letter))
            mapped.emplace_back(letter, *root);
    return mapped;
}

std::string UnmappedPathMessage(const DriveMap& drives, std::string_view path) {
    std::string message = "The host path " + core::Trim(path) +
                          "\nlies on no drive of this program.\n\nMapped drives:\n";
    for (const auto& [letter, root] : MappedDrives(drives))
        message += std::string(1, letter) + ":  " + root + "\n";
    message += "\nAction : Enter a path on one of these drives, or map another drive letter "
               "(DIRFORGE_DRIVES=f=/srv/data;g=/mnt/archive).";
    return message;
}

std::string HostHomeFolder() {
    const char* home = std::getenv("HOME");
    return home != nullptr ? std::string(home) : std::string();
}

} // namespace dirforge::platform
