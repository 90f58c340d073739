#pragma once
// A profile saved by the window standing in for the command-line options not given.

#include "cli/BatchOptions.h"
#include "settings/Profile.h"

namespace dirforge::cli {

/// Fills every option of options' command that was not given on the command line from the
/// page's set-up in the profile: names or paths, destination, range, framing, attach mode,
/// copy variant, structure or template lines (when the profile's mode is the one in effect)
/// and the page's template option.
void ApplyProfile(const settings::PageSetup& setup, BatchOptions& options);

} // namespace dirforge::cli
