#pragma once
// The modal folder-browsing dialog.

#include <string>

namespace dirforge::platform {

class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    /// The chosen folder in drive form, or "" when the user cancels.
    virtual std::string browseForFolder(const std::string& title,
                                        const std::string& startFolder) = 0;
};

} // namespace dirforge::platform
