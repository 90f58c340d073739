#pragma once
// The open and save file dialogs.

#include <optional>
#include <string>

namespace dirforge::platform {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    /// A file chosen for reading, in drive form; nullopt on cancel. filter: "Text files (*.txt)".
    virtual std::optional<std::string> openFileName(const std::string& title,
                                                    const std::string& filter) = 0;
    /// A file name chosen for writing, in drive form; nullopt on cancel.
    virtual std::optional<std::string> saveFileName(const std::string& title,
                                                    const std::string& filter,
                                                    const std::string& suggestedName) = 0;
};

} // namespace dirforge::platform
