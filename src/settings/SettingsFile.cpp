#include "settings/SettingsFile.h"

#include "core/TextRules.h"
#include "settings/SettingsRecords.h"

namespace dirforge::settings {

std::string ResolveSettingsPath(std::string_view name, std::string_view startupFolder) {
    std::string path = core::TrimSpaces(name);
    if (path.empty())
        path = std::string(startupFolder) + "\\" + kAutomaticSettingsFileName;
    return core::CollapseBackslashes(std::move(path));
}

bool SaveClass(const SettingsStore& store, std::string_view path, platform::FileSystem& files,
               platform::Prompt& prompt) {
    const std::string resolved = ResolveSettingsPath(path, store.startupFolder);
    if (files.writeFileAtomic(resolved, WriteSettingsRecords(store)))
        return true;
    prompt.show(kSaveFailedText, kSaveFailedTitle, platform::MessageKind::Error);
    return false;
}

bool RestoreClass(SettingsStore& store, std::string_view path, const platform::FileSystem& files) {
    const std::optional<std::string> bytes =
        files.readFile(ResolveSettingsPath(path, store.startupFolder));
    if (!bytes)
        return false;
    ReadSettingsRecords(*bytes, store);
    return true;
}

} // namespace dirforge::settings
