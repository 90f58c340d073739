#pragma once
// The values a first start installs into the settings store before it writes "default.set".

#include "settings/SettingsStore.h"

namespace dirforge::settings {

/// The 17 built-in delimiters; also the built-in quotation marks. "space" stands for " ".
const TextList& BuiltInDelimiters();
/// Built-in file-type lists kept for file-aware tools (records 17, 18, 19).
const TextList& BuiltInIncludedFileTypes();
const TextList& BuiltInExcludedFileTypes();
const TextList& BuiltInReserveFileTypes();

/// Replaces the delimiter, quotation-mark and file-type lists with the built-in ones, seeds an
/// empty file-name history with "*.*" and resets the template options of keys 1 to 4.
void InstallBuiltInDefaults(SettingsStore& store);

} // namespace dirforge::settings
