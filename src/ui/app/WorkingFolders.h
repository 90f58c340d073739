#pragma once
// The working folders the program keeps in its startup folder, and the help viewer's part of
// start and exit. Plain C++: no windows involved.

#include "platform/FileSystem.h"

#include <string>
#include <vector>

namespace dirforge::ui {

/// "WorkingDir" and its five subfolders, each as startupFolder + "\" + name with double
/// backslashes collapsed (so a drive root as startup folder gives "c:\WorkingDir").
std::vector<std::string> WorkingFolderPaths(const std::string& startupFolder);

/// Creates each working folder that is missing, with its missing parents. Silent: a folder that
/// exists is left alone and one that cannot be made is skipped. Returns how many were made.
int CreateWorkingFolders(platform::FileSystem& files, const std::string& startupFolder);

/// Asks the help viewer to close the help file named after the application identifier. The
/// help here is built into the program's own windows, so there is nothing to close: true.
bool CloseHelpFile(const std::string& applicationIdentifier);

} // namespace dirforge::ui
