#include "engine/FolderPresence.h"

namespace dirforge::engine {

namespace {

/// An element the host file system takes literally: anything else is asked about directly.
bool PlainElement(const std::string& element) {
    return !element.empty() && element != "." && element != ".." &&
           element.find('/') == std::string::npos;
}

} // namespace

FolderPresence::FolderPresence(const platform::FileSystem& fs) : fs_(fs) {}

FolderPresence::Standing FolderPresence::standing(const std::string& path, Ask ask) {
    const std::size_t cut = path.rfind('\\');
    const std::string element = cut == std::string::npos ? std::string() : path.substr(cut + 1);
    if (cut == std::string::npos || !PlainElement(element))
        return asked(path, ask);
    const std::string folder = path.substr(0, cut);
    auto [found, first] = parents_.try_emplace(folder);
    Parent& parent = found->second;
    if (first)
        return asked(path, ask); // one question about a parent costs no listing
    if (parent.state == Parent::State::SeenOnce)
        learn(folder, parent);
    switch (parent.state) {
    case Parent::State::Missing:
        return Standing::Nothing;
    case Parent::State::Listed: {
        const auto entry = parent.entries.find(element);
        if (entry == parent.entries.end())
            return Standing::Nothing;
        if (entry->second == platform::EntryKind::Folder)
            return Standing::Folder;
        if (entry->second == platform::EntryKind::File)
            return Standing::Other;
        return fs_.folderExists(path) ? Standing::Folder : Standing::Other;
    }
    default:
        return asked(path, ask);
    }
}

FolderPresence::Standing FolderPresence::asked(const std::string& path, Ask ask) const {
    if (fs_.folderExists(path))
        return Standing::Folder;
    if (ask == Ask::FolderOnly)
        return Standing::Nothing;
    return fs_.fileExists(path) || fs_.isLink(path) ? Standing::Other : Standing::Nothing;
}

void FolderPresence::learn(const std::string& folder, Parent& parent) {
    // "f:" stands for the drive's root, which folderExists takes as "f:\".
    const std::string asked = folder.size() == 2 && folder[1] == ':' ? folder + '\\' : folder;
    if (!fs_.folderExists(asked)) {
        parent.state = Parent::State::Missing;
        return;
    }
    auto listing = fs_.listFolder(asked);
    if (!listing) {
        parent.state = Parent::State::Unlisted;
        return;
    }
    parent.entries.reserve(listing->size());
    for (auto& entry : *listing)
        parent.entries.emplace(std::move(entry.name), entry.kind);
    parent.state = Parent::State::Listed;
}

} // namespace dirforge::engine
