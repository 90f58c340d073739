#pragma once
// The start-up step that carries the settings store from one start to the next through the
// automatic settings file "default.set" in the startup folder.

#include "platform/FileSystem.h"
#include "platform/Prompt.h"
#include "settings/SettingsStore.h"

#include <string>

namespace dirforge::settings {

/// What the start-up sequence needs to know after the settings step.
struct AutomaticSettingsOutcome {
    bool firstStart = false; ///< no readable "default.set": the built-in defaults were installed
    bool written = false;    ///< on a first start: "default.set" was written
    std::string path;        ///< the automatic settings path that was used
};

/// Reads "default.set" from startupFolder (drive form) into the store, or on a first start
/// installs the built-in defaults and writes the file (message 0130 through prompt when that
/// fails). Afterwards store.startupFolder is the folder the working folders belong in.
AutomaticSettingsOutcome LoadOrCreateAutomaticSettings(platform::FileSystem& files,
                                                       const std::string& startupFolder,
                                                       SettingsStore& store,
                                                       platform::Prompt& prompt);

} // namespace dirforge::settings
