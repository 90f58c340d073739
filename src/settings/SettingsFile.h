#pragma once
// Saving the settings store to a settings file and restoring it from one.

#include "platform/FileSystem.h"
#include "platform/Prompt.h"
#include "settings/SettingsStore.h"

#include <string>
#include <string_view>

namespace dirforge::settings {

/// Name of the automatic settings file in the startup folder.
inline constexpr const char* kAutomaticSettingsFileName = "default.set";

/// Message 0130, shown when a settings file cannot be written.
inline constexpr const char* kSaveFailedTitle = "Severe Error!    Msg no: 0130.";
inline constexpr const char* kSaveFailedText =
    "Unable to open output file to save settings !\n\nAction: Try to save again the settings, or "
    "\n\nimmediately e-mail us, please!";

/// name trimmed of spaces, or startupFolder + "\default.set" when that is empty; runs of
/// backslashes collapsed to one.
std::string ResolveSettingsPath(std::string_view name, std::string_view startupFolder);

/// Writes the whole store to the resolved path (temporary file renamed into place, so an old
/// file survives a failed write). On failure shows message 0130 and returns false.
bool SaveClass(const SettingsStore& store, std::string_view path, platform::FileSystem& files,
               platform::Prompt& prompt);

/// Reads the resolved path into the store (the caller resets it first, ResetStoreLists).
/// Returns false and leaves the store untouched when the file cannot be opened.
bool RestoreClass(SettingsStore& store, std::string_view path, const platform::FileSystem& files);

} // namespace dirforge::settings
