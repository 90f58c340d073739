#include "platform/FileSystem.h"

#include <cerrno>

namespace dirforge::platform {

std::optional<std::vector<FolderEntry>> FileSystem::listFolderSized(const std::string& path) const {
    auto entries = listFolder(path);
    if (entries)
        for (FolderEntry& entry : *entries)
            if (entry.kind == EntryKind::File || entry.kind == EntryKind::Other)
                entry.size = fileSize(path + "\\" + entry.name).value_or(0);
    return entries;
}

bool FileSystem::streamFileAtomic(const std::string& path, const ContentProducer& produce) {
    std::string content;
    const bool made = produce([&content](std::string_view piece) {
        content.append(piece);
        return true;
    });
    return made && writeFileAtomic(path, content);
}

bool FileSystem::opensForReading(const std::string&) const {
    return true;
}

std::unique_ptr<AppendFile> FileSystem::openAppendFile(const std::string&, AppendOpen, int* error) {
    if (error != nullptr)
        *error = ENOTSUP;
    return nullptr;
}

} // namespace dirforge::platform
