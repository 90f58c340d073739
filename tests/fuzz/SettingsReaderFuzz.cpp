// libFuzzer entry point for the settings record reader: any bytes, read as a settings file.
// Also linked into the replay runner, which feeds it the committed corpus as a plain test.

#include "settings/SettingsRecords.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    dirforge::settings::SettingsStore store;
    dirforge::settings::ResetStoreLists(store);
    dirforge::settings::ReadSettingsRecords(
        std::string_view(reinterpret_cast<const char*>(data), size), store);
    return 0;
}
