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
/// The page with the how-to videos (Help > How-to videos online.).
inline constexpr const char* kVideoPageUrl = "https://example.com/dirforge/how-to-videos";
/// The page with further help, opened by the help window's "More Help Online" button.
inline constexpr const char* kOnlineHelpUrl = "https://example.com/dirforge/help";

} // namespace dirforge::ui
