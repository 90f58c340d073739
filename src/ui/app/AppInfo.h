#pragma once
// The product's own texts: name, version, what it does, and its web pages.

#include "DirforgeVersion.h"

namespace dirforge::ui {

/// The product name; also the main window's caption.
inline constexpr const char* kProductName = "Dirforge";
/// The project version set in the top-level CMakeLists.txt.
inline constexpr const char* kProductVersion = kVersion;
/// One line on what the program does (about window).
inline constexpr const char* kProductTagline =
    "Creates many folders at once from names, full paths or number ranges, "
    "attaches folder structures to each new folder, and can undo a run.";
/// The installed user guide with its three how-to tasks (Help > How-to videos online.),
/// relative to the folder of the program file.
inline constexpr const char* kInstalledUserGuide = DIRFORGE_USER_GUIDE;
/// The page with further help, opened by the help window's "More Help Online" button.
inline constexpr const char* kOnlineHelpUrl = "https://example.com/dirforge/help";

} // namespace dirforge::ui
