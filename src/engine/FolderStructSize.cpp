#include "engine/FolderStructSize.h"

#include "core/TextRules.h"

#include <utility>

namespace dirforge::engine {

using platform::EntryKind;

FolderStructSize::FolderStructSize(const platform::FileSystem& fs, std::string root)
    : fs_(fs), root_(std::move(root)) {
    if (!root_.empty())
        ScanQueue.emplace(core::CountSeparators(root_), root_);
}

void FolderStructSize::Scan() {
    while (!ScanQueue.empty()) {
        auto first = ScanQueue.begin(); // smallest depth, first inserted among equals
        const std::uint32_t depth = first->first;
        const std::string folder = std::move(first->second);
        ScanQueue.erase(first);
        ++levelCounts_[depth];
        Enumerate(folder);
    }
    if (!countRoot_ && folderCount_ > 0)
        --folderCount_;
}

void FolderStructSize::Enumerate(const std::string& folder) {
    auto entries = fs_.listFolderSized(folder);
    if (listing_ != nullptr) {
        const std::string relative =
            folder.size() > root_.size() ? folder.substr(root_.size() + 1) : std::string();
        listing_->folders[relative] = entries;
    }
    if (!entries)
        return; // an unreadable folder counts only itself
    for (const auto& entry : *entries) {
        std::string full = folder + "\\" + entry.name;
        switch (entry.kind) {
        case EntryKind::Folder:
            ScanQueue.emplace(core::CountSeparators(full), std::move(full));
            ++folderCount_;
            break;
        case EntryKind::Link:
            CountLink(std::move(full));
            break;
        case EntryKind::File:
        case EntryKind::Other: {
            CountFile(std::move(full), entry.size);
            break;
        }
        }
    }
}

void FolderStructSize::CountFile(std::string path, std::uint64_t size) {
    totalBytes_ += size;
    ++fileCount_;
    fileSizes_.emplace(std::move(path), size);
}

void FolderStructSize::CountLink(std::string path) {
    // A link is one entry of the structure, as the copy meets it, but nothing behind it is read.
    if (fs_.folderExists(path)) {
        ++folderCount_;
        ++levelCounts_[core::CountSeparators(path)];
    } else {
        CountFile(std::move(path), 0);
    }
}

} // namespace dirforge::engine
