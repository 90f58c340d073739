#pragma once
// The page's structures as the last scan found them. The copy takes every folder's entries from
// here, so each new folder receives the structure as it stood before the run: nothing a run
// makes (inside a structure that holds the destination, say) is ever copied again.

#include "engine/RunResults.h"
#include "engine/StructureTotals.h"
#include "platform/FileSystem.h"

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace dirforge::engine {

/// One structure: its folders' entries by path relative to the root ("" for the root itself,
/// nullopt for a folder that could not be read) and what it adds to each new folder.
struct StructureListing {
    bool rootIsFolder = false;
    StructureTotals totals;
    std::unordered_map<std::string, std::optional<std::vector<platform::FolderEntry>>> folders;
};

/// Every structure of one scan by its trimmed root, and what the scan was asked for.
struct StructureSnapshot {
    std::vector<std::string> lines;
    CopyVariant variant = CopyVariant::MainFolderWithoutFiles;
    bool withFiles = false;
    std::map<std::string, StructureListing> structures;

    /// True when the scan was of exactly these lines, variant and files choice.
    bool covers(const std::vector<std::string>& structureLines, CopyVariant copyVariant,
                bool files) const {
        return lines == structureLines && variant == copyVariant && withFiles == files;
    }
    /// The listing of one structure line, or null when the scan did not see it.
    const StructureListing* find(const std::string& root) const {
        const auto found = structures.find(root);
        return found == structures.end() ? nullptr : &found->second;
    }
};

} // namespace dirforge::engine
