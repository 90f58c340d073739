#include "settings/Profile.h"

#include "settings/SettingsLayout.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsRecords.h"

#include <algorithm>
#include <array>

namespace dirforge::settings {

namespace {

/// A store that holds setup's page part and initial values elsewhere.
SettingsStore StoreOf(const PageSetup& setup) {
    SettingsStore store;
    store.strings = setup.strings;
    store.paths = setup.paths;
    store.numbers = setup.numbers;
    store.templateOptions = setup.templateOptions;
    return store;
}

PageSetup SetupOf(const SettingsStore& store) {
    return {store.strings, store.paths, store.numbers, store.templateOptions};
}

/// The choices a profile carries beyond the records of the settings file: one number record
/// each, after the page records and before the end marker.
struct ProfileOnlyRecord {
    std::int32_t number;
    const char* key;
};

constexpr std::array<ProfileOnlyRecord, 6> kProfileOnlyRecords{{{950, "VOL02FILL"},
                                                                {951, "VOL02TOKEN"},
                                                                {952, "VOL04FILL"},
                                                                {953, "VOL04TOKEN"},
                                                                {954, "VOL03FILL"},
                                                                {955, "VOL03TOKEN"}}};

bool IsProfileOnly(std::int32_t number) {
    return std::any_of(kProfileOnlyRecords.begin(), kProfileOnlyRecords.end(),
                       [number](const ProfileOnlyRecord& r) { return r.number == number; });
}

/// The slot of a profile-only record in setup (PageSetup or const PageSetup); null for others.
template <typename Setup> auto* ProfileOnlySlot(Setup& setup, std::int32_t number) {
    switch (number) {
    case 950:
        return &setup.strings.chkVol02FillExisting;
    case 951:
        return &setup.strings.chkVol02Tokens;
    case 952:
        return &setup.paths.chkVol04FillExisting;
    case 953:
        return &setup.paths.chkVol04Tokens;
    case 954:
        return &setup.numbers.chkVol03FillExisting;
    case 955:
        return &setup.numbers.chkVol03Tokens;
    default:
        return decltype(&setup.strings.chkVol02Tokens){nullptr};
    }
}

bool IsKnownRecord(std::int32_t number) {
    static const SettingsStore layoutOwner;
    static const auto bindings = BindRecords(layoutOwner);
    return std::any_of(bindings.begin(), bindings.end(),
                       [number](const auto& b) { return b.number == number; });
}

} // namespace

bool IsPageRecord(std::int32_t number) {
    return number == 28 || number == 29 || (number >= 31 && number <= 64) ||
           (number >= 77 && number <= 81) || number == 125 || (number >= 128 && number <= 134) ||
           (number >= 152 && number <= 155) || IsProfileOnly(number);
}

std::string WriteProfileRecords(const PageSetup& setup) {
    const std::string all = WriteSettingsRecords(StoreOf(setup));
    std::string out;
    for (std::size_t at = 0; at + kRecordSize <= all.size(); at += kRecordSize) {
        const std::int32_t number =
            RecordReader(std::string_view(all).substr(at, kRecordSize)).number();
        if (number == kEndMarkerRecord)
            for (const ProfileOnlyRecord& record : kProfileOnlyRecords)
                RecordWriter(out, record.number, record.key)
                    .value(*ProfileOnlySlot(setup, record.number));
        if (IsPageRecord(number) || number == kEndMarkerRecord)
            out.append(all, at, kRecordSize);
    }
    return out;
}

std::optional<PageSetup> ReadProfileRecords(std::string_view bytes, std::string& reason) {
    if (bytes.empty() || bytes.size() % kRecordSize != 0) {
        reason = "it is not a settings file (its size is not a whole number of settings records)";
        return std::nullopt;
    }
    std::string pageRecords;
    std::vector<std::pair<std::int32_t, std::int32_t>> choices; // number, value
    for (std::size_t at = 0; at < bytes.size(); at += kRecordSize) {
        const std::string_view record = bytes.substr(at, kRecordSize);
        const std::int32_t number = RecordReader(record).number();
        if (!IsKnownRecord(number) && !IsProfileOnly(number)) {
            reason = "it is not a settings file (record " + std::to_string(at / kRecordSize + 1) +
                     " has the unknown number " + std::to_string(number) + ")";
            return std::nullopt;
        }
        const bool last = at + kRecordSize == bytes.size();
        if ((number == kEndMarkerRecord) != last) {
            reason = last ? "it is damaged: it does not end with the end marker"
                          : "it is damaged: an end marker stands before its last record";
            return std::nullopt;
        }
        if (IsProfileOnly(number))
            choices.emplace_back(number, RecordReader(record).value());
        else if (IsPageRecord(number))
            pageRecords.append(record);
    }
    SettingsStore store;
    ResetStoreLists(store);
    ReadSettingsRecords(pageRecords, store);
    PageSetup setup = SetupOf(store);
    for (const auto& [number, value] : choices)
        *ProfileOnlySlot(setup, number) = value != 0 ? 1 : 0;
    return setup;
}

bool SaveProfile(const PageSetup& setup, const std::string& path, platform::FileSystem& files) {
    return files.writeFileAtomic(path, WriteProfileRecords(setup));
}

std::optional<PageSetup> LoadProfile(const std::string& path, const platform::FileSystem& files,
                                     std::string& reason) {
    const std::optional<std::string> bytes = files.readFile(path);
    if (!bytes) {
        reason = "it cannot be read";
        return std::nullopt;
    }
    return ReadProfileRecords(*bytes, reason);
}

} // namespace dirforge::settings
