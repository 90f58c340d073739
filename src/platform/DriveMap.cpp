#include "platform/DriveMap.h"

#include "core/TextRules.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace dirforge::platform {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// Appends "/element" for every element of text (split at "\" and "/"), dropping empty and "."
// elements. False when an element is ".." (nothing may climb out of a drive's root) or the text
// holds a NUL (the host call would silently act on a shorter path).
bool appendElements(std::string_view text, std::string& out) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && !isSeparator(text[end])) {
            if (text[end] == '\0')
                return false;
            ++end;
        }
        const std::string_view element = text.substr(start, end - start);
        if (element == "..")
            return false;
        if (!element.empty() && element != ".") {
            out += '/';
            out += element;
        }
        start = end + 1;
    }
    return true;
}

} // namespace

DriveMap::DriveMap() {
    roots_['c'] = "";
}

DriveMap DriveMap::fromEnvironment(std::string* error) {
    DriveMap drives;
    const char* mappings = std::getenv("DIRFORGE_DRIVES");
    if (mappings == nullptr)
        return drives;
    std::string message;
    if (!drives.addMappings(mappings, &message)) {
        message = "DIRFORGE_DRIVES: " + message;
        if (error != nullptr)
            *error = message;
        else
            std::fprintf(stderr, "%s\n", message.c_str());
    }
    return drives;
}

void DriveMap::map(char letter, const std::string& hostRoot) {
    std::string root;
    // A root is kept without a trailing slash; "/" itself becomes "".
    if (!appendElements(hostRoot, root))
        root = hostRoot;
    roots_[lower(letter)] = root;
}

bool DriveMap::addMappings(std::string_view mappings, std::string* error) {
    std::vector<std::pair<char, std::string>> parsed;
    std::size_t start = 0;
    while (start <= mappings.size()) {
        std::size_t end = mappings.find(';', start);
        if (end == std::string_view::npos)
            end = mappings.size();
        const std::string piece = core::Trim(mappings.substr(start, end - start));
        start = end + 1;
        if (piece.empty())
            continue; // "f=/a;;g=/b" and a trailing ";" are harmless
        const auto equals = piece.find('=');
        const std::string letter =
            equals == std::string::npos ? piece : core::Trim(piece.substr(0, equals));
        const std::string folder =
            equals == std::string::npos ? std::string() : core::Trim(piece.substr(equals + 1));
        if (letter.size() != 1 || !isLetter(letter[0]) || folder.empty() || folder[0] != '/' ||
            folder.find('\0') != std::string::npos) {
            if (error != nullptr)
                *error = "\"" + piece +
                         "\" is not a drive mapping; expected letter=/absolute/folder, "
                         "pieces separated by \";\" (for example f=/srv/data;g=/mnt/archive)";
            return false;
        }
        parsed.emplace_back(letter[0], folder);
    }
    for (const auto& [letter, folder] : parsed)
        map(letter, folder);
    return true;
}

std::optional<std::string> DriveMap::toHost(std::string_view drivePath) const {
    if (drivePath.size() < 2 || drivePath[1] != ':' || !isLetter(drivePath[0]))
        return std::nullopt;
    const auto root = roots_.find(lower(drivePath[0]));
    if (root == roots_.end())
        return std::nullopt;
    const std::string_view rest = drivePath.substr(2);
    // "f:a" would be relative to a per-drive current folder this platform does not have.
    if (!rest.empty() && !isSeparator(rest[0]))
        return std::nullopt;
    std::string host;
    host.reserve(root->second.size() + rest.size() + 1);
    host = root->second;
    if (!appendElements(rest, host))
        return std::nullopt;
    if (host.empty())
        host = "/";
    return host;
}

std::optional<std::string> DriveMap::toDrive(std::string_view hostPath) const {
    if (hostPath.empty() || hostPath[0] != '/')
        return std::nullopt;
    std::string path;
    if (!appendElements(hostPath, path))
        return std::nullopt;
    const std::pair<const char, std::string>* best = nullptr;
    for (const auto& entry : roots_) {
        const std::string& root = entry.second;
        const bool contains = path.compare(0, root.size(), root) == 0 &&
                              (path.size() == root.size() || path[root.size()] == '/');
        if (contains && (best == nullptr || root.size() > best->second.size()))
            best = &entry;
    }
    if (best == nullptr)
        return std::nullopt;
    std::string drive{best->first, ':', '\\'};
    const std::size_t restStart = best->second.size() + 1;
    if (restStart < path.size())
        drive.append(path, restStart, std::string::npos);
    for (std::size_t i = 3; i < drive.size(); ++i)
        if (drive[i] == '/')
            drive[i] = '\\';
    return drive;
}

std::optional<std::string> DriveMap::rootOf(char letter) const {
    const auto root = roots_.find(lower(letter));
    if (root == roots_.end())
        return std::nullopt;
    return root->second.empty() ? std::string("/") : root->second;
}

} // namespace dirforge::platform
