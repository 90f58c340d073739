#pragma once
// Loading a source file for display: its non-blank lines, each cut to what the list shows.

#include "lists/TextDecoder.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace dirforge::platform {
class FileSystem;
}

namespace dirforge::lists {

/// The longest part of a source line the source list shows.
inline constexpr std::size_t SourceLineShownChars = 2048;

enum class SourceReadError { None, CannotOpen, NotText };

struct SourceFile {
    SourceReadError error = SourceReadError::None;
    std::vector<std::string>
        lines; ///< non-blank lines, untrimmed, each cut to SourceLineShownChars characters
    TextEncoding encoding = TextEncoding::Utf8;
};

/// Reads path (drive form); onLine(count so far) runs after each line taken, if given.
SourceFile ReadSourceFile(const platform::FileSystem& fileSystem, const std::string& path,
                          const std::function<void(std::size_t)>& onLine = {});

} // namespace dirforge::lists
