#include "ui/lists/EditedLines.h"

#include "platform/Prompt.h"
#include "platform/TypedPaths.h"

namespace dirforge::ui {

bool FullPathLinesToDrive(std::vector<std::string>& lines, const platform::DriveMap& drives,
                          platform::Prompt& prompt) {
    const std::string home = platform::HostHomeFolder();
    for (std::string& line : lines) {
        platform::TypedPath typed = platform::TypedPathToDrive(drives, line, home);
        if (typed.kind == platform::TypedPath::Kind::Unmapped) {
            prompt.warn(platform::UnmappedPathMessage(drives, line), platform::kUnmappedPathTitle);
            return false;
        }
        line = std::move(typed.path);
    }
    return true;
}

} // namespace dirforge::ui
