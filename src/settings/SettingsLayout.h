#pragma once
// The one table of the settings file: record numbers in file order, their keys, their kinds and
// the store slot each one fills. The writer walks it in order; the reader looks records up in it.

#include "settings/SettingsStore.h"

#include <cstdint>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace dirforge::settings {

/// How an empty text is written (the reader never undoes this).
enum class BlankRule {
    AsIs,               // written as it is, empty included
    SpaceIfEmpty,       // "" is written as " "
    SpaceIfTrimmedEmpty // a text empty after Trim is written as " "
};

/// The end-marker record: number value 0, no slot.
struct EndMarker {};

/// One record of the layout bound to the slot of one store; Store is SettingsStore or
/// const SettingsStore, so the writer binds read-only and the reader read-write.
template <typename Store> struct RecordBinding {
    template <typename T> using Ref = std::conditional_t<std::is_const_v<Store>, const T*, T*>;

    std::int32_t number = 0;
    std::string_view key;
    /// Number, text, text+number, text list (one record per item), template options or end marker.
    std::variant<Ref<std::int32_t>, Ref<std::string>, Ref<TextAndNumber>, Ref<TextList>,
                 Ref<engine::MAP_FOLDER_TEMPLATE_OPTIONS>, EndMarker>
        slot;
    BlankRule blank = BlankRule::AsIs;
    bool trimWhenRead = false;
};

/// The record number of the end marker, written last.
inline constexpr std::int32_t kEndMarkerRecord = 900;

/// Every record of the file in writing order, bound to the slots of store.
template <typename Store> std::vector<RecordBinding<Store>> BindRecords(Store& store);

extern template std::vector<RecordBinding<SettingsStore>> BindRecords(SettingsStore&);
extern template std::vector<RecordBinding<const SettingsStore>> BindRecords(const SettingsStore&);

} // namespace dirforge::settings
