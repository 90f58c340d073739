#pragma once
// The size of a page's structures: what each new folder will receive, and every file's size.

#include <cstdint>
#include <map>
#include <string>

namespace dirforge::engine {

/// Source file path (as the structure scan wrote it) to its size.
using FileSizeMap = std::map<std::string, std::uint64_t>;
using PAIR_FILE_NAME_SIZE = FileSizeMap::value_type;

/// Subfolders, files and bytes summed over the structure window.
struct StructureTotals {
    std::uint32_t subfolders = 0;
    std::uint32_t files = 0;
    std::uint64_t bytes = 0;
};

} // namespace dirforge::engine
