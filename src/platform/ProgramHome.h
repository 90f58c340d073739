#pragma once
// The folder the desktop program keeps its own files in (default.set, the working folders) and
// makes its current folder before the main window is created, so nothing lands in the folder a
// menu or a shell happened to start it from.

#include <functional>
#include <string>

namespace dirforge::platform {

/// Reads one environment variable; null when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

/// DIRFORGE_HOME when set (a relative one is taken from currentFolder), else
/// XDG_DATA_HOME/dirforge when that is an absolute path, else HOME/.local/share/dirforge.
/// Empty values count as unset; empty when no home is known at all.
std::string ProgramHomeFolder(const EnvironmentLookup& lookup, const std::string& currentFolder);

/// ProgramHomeFolder for this process; a missing HOME falls back to the user's entry in the
/// password database.
std::string ProgramHomeFolder();

/// Creates the host folder with its missing parents (new ones readable by the user only) and
/// makes it the process's current folder. False with the reason in error when either fails; the
/// current folder is then unchanged.
bool EnterProgramHome(const std::string& hostFolder, std::string& error);

} // namespace dirforge::platform
