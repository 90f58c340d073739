#include "ui/app/WorkingFolders.h"

#include "core/TextRules.h"

#include <array>

namespace dirforge::ui {

namespace {

constexpr std::array<const char*, 6> kWorkingFolderNames = {
    "WorkingDir",
    "WorkingDir\\COPYFILES",
    "WorkingDir\\RENAMEFILES",
    "WorkingDir\\COPYFILESSIMUL",
    "WorkingDir\\RENAMEFILESSIMUL",
    "WorkingDir\\CONSISTENCYCHECK",
};

} // namespace

std::vector<std::string> WorkingFolderPaths(const std::string& startupFolder) {
    std::vector<std::string> paths;
    paths.reserve(kWorkingFolderNames.size());
    for (const char* name : kWorkingFolderNames)
        paths.push_back(core::CollapseBackslashes(startupFolder + "\\" + name));
    return paths;
}

int CreateWorkingFolders(platform::FileSystem& files, const std::string& startupFolder) {
    if (startupFolder.empty())
        return 0; // no startup folder known: there is no place for them
    int made = 0;
    for (const std::string& path : WorkingFolderPaths(startupFolder)) {
        if (files.folderExists(path))
            continue;
        std::vector<std::string> created;
        files.createFolder(path, &created);
        made += static_cast<int>(created.size());
    }
    return made;
}

bool CloseHelpFile(const std::string& /*applicationIdentifier*/) {
    return true;
}

} // namespace dirforge::ui
