#pragma once
// Reading a list or template file from disk as text: every reader of lists in the window goes
// through here, so each sees the same decoding and the same refusal of binary files.

#include "lists/TextDecoder.h"

#include <string>

namespace dirforge::platform {
class FileSystem;
}

namespace dirforge::lists {

enum class ListTextError { None, CannotOpen, NotText };

struct ListText {
    ListTextError error = ListTextError::None;
    DecodedText decoded; ///< empty unless error is None
};

/// Reads and decodes path (drive form); a file holding a NUL character once decoded is NotText.
ListText ReadListText(const platform::FileSystem& fileSystem, const std::string& path);

} // namespace dirforge::lists
