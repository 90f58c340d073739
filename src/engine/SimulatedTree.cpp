#include "engine/SimulatedTree.h"

#include "platform/FailureReason.h"
#include "platform/PortableNames.h"

#include <cctype>
#include <vector>

namespace dirforge::engine {

namespace {

constexpr const char* kReasonNoSuchDrive = "no such drive";
constexpr const char* kReasonNoFolder = "its folder is not there";

/// Failed, the cause noted as a failing call of the file system notes it.
MakeOutcome failed(const char* reason) {
    platform::NoteReason(reason);
    return MakeOutcome::Failed;
}

/// True (the cause noted) for a name the desktop file system refuses.
bool refused(std::string_view name) {
    std::string reason = platform::RefusedNameReason(name);
    if (reason.empty())
        return false;
    platform::NoteReason(std::move(reason));
    return true;
}

/// "f:" for a key that is a drive alone.
bool IsDrive(const std::string& key) {
    return key.size() == 2 && key[1] == ':';
}

} // namespace

SimulatedTree::SimulatedTree(const platform::FileSystem& fs) : fs_(fs), presence_(fs) {}

std::string SimulatedTree::KeyOf(const std::string& path) {
    std::string key;
    key.reserve(path.size());
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        key += static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])));
        key += ':';
        start = 2;
    }
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = path.size();
        const std::size_t length = end - start;
        if (length > 0 && !(length == 1 && path[start] == '.')) {
            key += '\\';
            key.append(path, start, length);
        }
        start = end + 1;
    }
    return key;
}

MakeOutcome SimulatedTree::makeFolder(const std::string& path, NameCheck check) {
    const std::string key = KeyOf(path);
    // The common case of a long list: a new folder in a folder this dry run made.
    const std::size_t last = key.rfind('\\');
    if (last != std::string::npos && last > 0) {
        const auto parent = made_.find(key.substr(0, last));
        if (parent != made_.end() && parent->second) {
            const auto [entry, inserted] = made_.try_emplace(key, true);
            if (!inserted)
                return entry->second ? MakeOutcome::Existed : inTheWay(key, true);
            if (check == NameCheck::Refused && refused(std::string_view(key).substr(last + 1))) {
                made_.erase(entry);
                return MakeOutcome::Failed;
            }
            return MakeOutcome::Made;
        }
    }
    const Standing standing = standingOf(key);
    if (standing != Standing::Nothing)
        return standing == Standing::Folder ? MakeOutcome::Existed : inTheWay(key, true);
    // Walk up to the nearest folder that is there; everything below it is to be made.
    std::vector<std::size_t> missing{key.size()};
    for (std::size_t end = key.size();;) {
        const std::size_t cut = key.rfind('\\', end - 1);
        if (cut == std::string::npos || cut == 0)
            return failed(kReasonNoSuchDrive); // no drive: nothing can be made
        const std::string parent = key.substr(0, cut);
        if (IsDrive(parent)) {
            if (!drivePresent(parent))
                return failed(kReasonNoSuchDrive);
            break;
        }
        const Standing above = standingOf(parent);
        if (above == Standing::Folder)
            break;
        if (above == Standing::Other)
            return inTheWay(parent, false);
        missing.push_back(cut);
        end = cut;
    }
    if (check == NameCheck::Refused)
        for (const std::size_t end : missing) {
            const std::size_t begin = key.rfind('\\', end - 1) + 1;
            if (refused(std::string_view(key).substr(begin, end - begin)))
                return MakeOutcome::Failed;
        }
    for (const std::size_t end : missing)
        made_.emplace(key.substr(0, end), true);
    return MakeOutcome::Made;
}

MakeOutcome SimulatedTree::makeFile(const std::string& path) {
    const std::string key = KeyOf(path);
    if (standingOf(key) != Standing::Nothing)
        return MakeOutcome::Existed;
    const std::size_t cut = key.rfind('\\');
    if (cut == std::string::npos || cut == 0)
        return failed(kReasonNoSuchDrive);
    const std::string parent = key.substr(0, cut);
    const bool folderThere =
        IsDrive(parent) ? drivePresent(parent) : standingOf(parent) == Standing::Folder;
    if (!folderThere)
        return failed(kReasonNoFolder);
    if (refused(std::string_view(key).substr(cut + 1)))
        return MakeOutcome::Failed;
    made_.emplace(key, false);
    return MakeOutcome::Made;
}

MakeOutcome SimulatedTree::inTheWay(const std::string& key, bool atFolder) const {
    // Rare: the disk is asked once more, so the cause reads as the run's will.
    const bool link = made_.find(key) == made_.end() && fs_.isLink(key);
    return failed(link       ? "a link stands here"
                  : atFolder ? "a file stands here"
                             : "a file stands where a folder is needed");
}

SimulatedTree::Standing SimulatedTree::standingOf(const std::string& key) {
    const auto found = made_.find(key);
    if (found != made_.end())
        return found->second ? Standing::Folder : Standing::Other;
    // Below a folder this dry run made, the disk holds nothing.
    const std::size_t cut = key.rfind('\\');
    if (cut != std::string::npos && cut > 0) {
        const auto parent = made_.find(key.substr(0, cut));
        if (parent != made_.end() && parent->second)
            return Standing::Nothing;
    }
    return presence_.standing(key);
}

bool SimulatedTree::drivePresent(const std::string& drive) {
    const auto [found, first] = drives_.try_emplace(drive, false);
    if (first)
        found->second = fs_.folderExists(drive + "\\");
    return found->second;
}

} // namespace dirforge::engine
