// Writing and reading a settings file whose include list holds 20 000 names (5320 bytes per
// name), against a plain copy of the same bytes measured in the same run.
#include "BenchRegistry.h"

#include "settings/SettingsRecords.h"

#include <string>

DIRFORGE_BENCH(settings_file) {
    using namespace dirforge::settings;
    constexpr int kNames = 20000;
    SettingsStore store;
    for (int i = 0; i < kNames; ++i)
        store.strings.lstVol02IncludeStrings.push_back("Client " + std::to_string(i));

    std::string bytes;
    const double write = dirforge::bench::secondsOf([&] { bytes = WriteSettingsRecords(store); });
    SettingsStore read;
    const double restore = dirforge::bench::secondsOf([&] { ReadSettingsRecords(bytes, read); });
    std::string copy;
    const double baseline = dirforge::bench::secondsOf([&] { copy = bytes; });

    report.count("settings_file_bytes", static_cast<long long>(bytes.size()));
    report.count("settings_file_names_read",
                 static_cast<long long>(read.strings.lstVol02IncludeStrings.size()));
    report.value("settings_file_write_ms", write * 1000);
    report.value("settings_file_read_ms", restore * 1000);
    report.value("settings_file_copy_baseline_ms", baseline * 1000);
    report.value("settings_file_write_vs_copy", write / baseline);
    report.value("settings_file_read_vs_copy", restore / baseline);
}
