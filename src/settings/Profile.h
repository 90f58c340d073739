#pragma once
// Profiles: the three pages' set-up (controls, lists, structures, template options and
// destination histories) kept in a ".set" file of the settings format, written and read on the
// user's demand. A profile is never the automatic settings file and never changes it.

#include "platform/FileSystem.h"
#include "settings/SettingsStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dirforge::settings {

/// The part of the store a profile carries.
struct PageSetup {
    StringsPageSettings strings;
    PathsPageSettings paths;
    NumbersPageSettings numbers;
    engine::MAP_FOLDER_TEMPLATE_OPTIONS templateOptions;

    bool operator==(const PageSetup&) const = default;
};

/// Whether a record number holds a page control, list, structure, template option or history
/// (the choices kept in profiles only among them).
bool IsPageRecord(std::int32_t number);

/// The page records of setup in file order, the end marker last.
std::string WriteProfileRecords(const PageSetup& setup);

/// A profile's page set-up. Refuses (nullopt, reason set) anything that is not a complete settings
/// file: empty, a size that is not whole records, a record number the format does not have, or
/// no end marker as its last record. Page records the file lacks keep their initial values;
/// records that are not page records (a whole settings file) are ignored.
std::optional<PageSetup> ReadProfileRecords(std::string_view bytes, std::string& reason);

/// Writes the profile to path (drive form) through a temporary file; false when it cannot be
/// written.
bool SaveProfile(const PageSetup& setup, const std::string& path, platform::FileSystem& files);

/// Reads the profile at path (drive form); nullopt with the reason when it cannot be read or used.
std::optional<PageSetup> LoadProfile(const std::string& path, const platform::FileSystem& files,
                                     std::string& reason);

} // namespace dirforge::settings
