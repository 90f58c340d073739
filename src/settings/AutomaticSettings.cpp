#include "settings/AutomaticSettings.h"

#include "core/TextRules.h"
#include "settings/BuiltInDefaults.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsRecords.h"

namespace dirforge::settings {

AutomaticSettingsOutcome LoadOrCreateAutomaticSettings(platform::FileSystem& files,
                                                       const std::string& startupFolder,
                                                       SettingsStore& store,
                                                       platform::Prompt& prompt) {
    store.startupFolder = startupFolder;
    AutomaticSettingsOutcome outcome;
    outcome.path = ResolveSettingsPath("", startupFolder);

    const std::optional<std::string> bytes = files.readFile(outcome.path);
    if (!bytes) {
        outcome.firstStart = true;
        InstallBuiltInDefaults(store);
        outcome.written = SaveClass(store, outcome.path, files, prompt);
        return outcome;
    }

    ResetStoreLists(store);
    ReadSettingsRecords(*bytes, store);
    // A stored startup folder replaces this one, but a blank one (a file written without it, or
    // damaged) would put the working folders under a relative " " path: keep ours instead.
    if (core::Trim(store.startupFolder).empty())
        store.startupFolder = startupFolder;
    return outcome;
}

} // namespace dirforge::settings
