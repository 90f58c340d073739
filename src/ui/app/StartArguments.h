#pragma once
// The program's command line: dirforge [FOLDER | PROFILE.set]... A folder becomes the strings
// page's destination as if chosen with "Browse", a profile opens as File > Open Profile... does.
// Qt's own options (-platform NAME, ...) are taken by the application before these are read.

#include "platform/DriveMap.h"

#include <QStringList>

#include <string>
#include <vector>

namespace dirforge::ui {

class AppContext;

/// One path named on the command line, in drive form.
struct StartPath {
    enum class Kind { Folder, Profile };
    Kind kind = Kind::Folder;
    std::string path;
};

/// What the command line asks for.
struct StartArguments {
    enum class Outcome {
        Start,    ///< open the window with paths
        Answered, ///< --help or --version was printed: end with 0
        Refused   ///< an unknown option or a missing path: message printed, end with 2
    };
    Outcome outcome = Outcome::Start;
    std::vector<StartPath> paths;
    /// What to print: the usage or version text (stdout) or the reason for refusing (stderr).
    std::string message;
};

/// The usage text of --help.
extern const char* const kStartUsage;

/// Reads the arguments (the program name first). Relative paths are taken from the current
/// folder, so this runs before the program enters its own folder.
StartArguments ReadStartArguments(const QStringList& arguments, const platform::DriveMap& drives);

/// Answers --help and --version alone, before the application exists (no display needed);
/// any other outcome is Start and the full reading follows once the application has taken its
/// own options.
StartArguments ReadInformationArguments(const QStringList& arguments);

/// Puts the paths into the window in their order (once the main window is shown).
void ApplyStartArguments(AppContext& context, const std::vector<StartPath>& paths);

} // namespace dirforge::ui
