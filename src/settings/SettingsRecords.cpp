#include "settings/SettingsRecords.h"

#include "core/TextRules.h"
#include "settings/SettingsLayout.h"
#include "settings/SettingsRecord.h"

#include <algorithm>

namespace dirforge::settings {

namespace {

template <typename... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
template <typename... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::string_view textToWrite(const std::string& text, BlankRule rule) {
    const bool blank = rule == BlankRule::SpaceIfEmpty          ? text.empty()
                       : rule == BlankRule::SpaceIfTrimmedEmpty ? core::Trim(text).empty()
                                                                : false;
    return blank ? std::string_view(" ") : std::string_view(text);
}

void writeRecord(std::string& out, const RecordBinding<const SettingsStore>& r) {
    std::visit(
        Overloaded{
            [&](const std::int32_t* number) { RecordWriter(out, r.number, r.key).value(*number); },
            [&](const std::string* text) {
                RecordWriter(out, r.number, r.key).text(textToWrite(*text, r.blank));
            },
            [&](const TextAndNumber* pair) {
                RecordWriter(out, r.number, r.key).text(pair->text).value(pair->number);
            },
            [&](const TextList* list) {
                for (const std::string& item : *list)
                    RecordWriter(out, r.number, r.key).text(item);
            },
            [&](const engine::MAP_FOLDER_TEMPLATE_OPTIONS* options) {
                for (const auto& [page, option] : *options) // std::map: ascending keys
                    RecordWriter(out, r.number, r.key)
                        .secondText(option.RemainderText)
                        .mapKey(page)
                        .flags({option.ReplaceNo, option.ReplaceRemainder, option.ReplaceFirst,
                                option.ReplaceAll});
            },
            [&](EndMarker) { RecordWriter(out, r.number, r.key).value(0); },
        },
        r.slot);
}

void applyRecord(const RecordReader& record, const RecordBinding<SettingsStore>& r) {
    std::visit(Overloaded{
                   [&](std::int32_t* number) { *number = record.value(); },
                   [&](std::string* text) {
                       *text = r.trimWhenRead ? core::Trim(record.text()) : record.text();
                   },
                   [&](TextAndNumber* pair) {
                       *pair = {record.text(), record.value()};
                   },
                   [&](TextList* list) { list->push_back(record.text()); },
                   [&](engine::MAP_FOLDER_TEMPLATE_OPTIONS* options) {
                       engine::_tagFoldersTemplateOptions& option = (*options)[record.mapKey()];
                       option.ReplaceNo = record.flag(0);
                       option.ReplaceRemainder = record.flag(1);
                       option.ReplaceFirst = record.flag(2);
                       option.ReplaceAll = record.flag(3);
                       option.RemainderText = record.secondText();
                   },
                   [](EndMarker) {},
               },
               r.slot);
}

} // namespace

std::string WriteSettingsRecords(const SettingsStore& store) {
    std::string out;
    for (const auto& binding : BindRecords(store))
        writeRecord(out, binding);
    return out;
}

void ReadSettingsRecords(std::string_view bytes, SettingsStore& store) {
    const auto bindings = BindRecords(store); // in ascending record-number order
    for (std::size_t at = 0; bytes.size() - at >= kRecordSize; at += kRecordSize) {
        const RecordReader record(bytes.substr(at, kRecordSize));
        const auto found =
            std::lower_bound(bindings.begin(), bindings.end(), record.number(),
                             [](const auto& b, std::int32_t n) { return b.number < n; });
        if (found != bindings.end() && found->number == record.number())
            applyRecord(record, *found);
    }
}

void ResetStoreLists(SettingsStore& store) {
    for (const auto& binding : BindRecords(store)) {
        if (auto* list = std::get_if<TextList*>(&binding.slot))
            (*list)->clear();
        else if (auto* options = std::get_if<engine::MAP_FOLDER_TEMPLATE_OPTIONS*>(&binding.slot))
            (*options)->clear();
    }
}

} // namespace dirforge::settings
