#pragma once
// The whole store as a sequence of settings records, and back. Pure byte work: the file
// handling around it is in SettingsFile.

#include "settings/SettingsStore.h"

#include <string>
#include <string_view>

namespace dirforge::settings {

/// Every record of the store in file order, the end marker last.
std::string WriteSettingsRecords(const SettingsStore& store);

/// Applies each complete record of bytes to the store: numbers and texts replace their slot,
/// list records append, template-option records set their map entry. Unknown record numbers,
/// the end marker and a partial last record are ignored.
void ReadSettingsRecords(std::string_view bytes, SettingsStore& store);

/// Empties every list and the template-options map; numbers and texts keep their values.
void ResetStoreLists(SettingsStore& store);

} // namespace dirforge::settings
