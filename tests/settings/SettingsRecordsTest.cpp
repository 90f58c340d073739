// The store as records and back: every slot kind survives a round trip, the blank-text rule,
// list and template-option records, and damaged files that must load what is complete.

#include "settings/SettingsRecords.h"
#include "settings/SettingsLayout.h"
#include "settings/SettingsRecord.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace dirforge::settings;
using dirforge::engine::_tagFoldersTemplateOptions;

namespace {

std::vector<RecordReader> recordsOf(const std::string& bytes) {
    std::vector<RecordReader> records;
    for (std::size_t at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize)
        records.emplace_back(std::string_view(bytes).substr(at, kRecordSize));
    return records;
}

std::vector<RecordReader> recordsNumbered(const std::string& bytes, std::int32_t number) {
    std::vector<RecordReader> found;
    for (const RecordReader& r : recordsOf(bytes))
        if (r.number() == number)
            found.push_back(r);
    return found;
}

/// A store whose every slot differs from its initial value, filled through the layout.
SettingsStore storeWithEverySlotSet() {
    SettingsStore store;
    for (const auto& binding : BindRecords(store)) {
        const std::int32_t n = binding.number;
        const std::string tag = std::to_string(n);
        std::visit(
            [&](auto slot) {
                using Slot = decltype(slot);
                if constexpr (std::is_same_v<Slot, std::int32_t*>)
                    *slot = n * 1000 + 7;
                else if constexpr (std::is_same_v<Slot, std::string*>)
                    *slot = "text " + tag;
                else if constexpr (std::is_same_v<Slot, TextAndNumber*>)
                    *slot = {"type " + tag, -n};
                else if constexpr (std::is_same_v<Slot, TextList*>)
                    *slot = {"first " + tag, "", "third " + tag};
                else if constexpr (std::is_same_v<Slot,
                                                  dirforge::engine::MAP_FOLDER_TEMPLATE_OPTIONS*>)
                    *slot = {{3, {0, 1, "Customer_Code", 0, 0}},
                             {-4, {0, 0, "", 0, 1}},
                             {1, {0, 0, "", 1, 0}}};
            },
            binding.slot);
    }
    return store;
}

/// Offset of the index-th record numbered number (0-based).
std::size_t offsetOfRecord(const std::string& bytes, std::int32_t number, std::size_t index) {
    const auto records = recordsOf(bytes);
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].number() == number && index-- == 0)
            return i * kRecordSize;
    ADD_FAILURE() << "record " << number << " not found";
    return 0;
}

} // namespace

TEST(SettingsRecords, EveryBindingHasItsOwnSlotAndNumber) {
    SettingsStore store;
    std::set<const void*> slots;
    std::set<std::int32_t> numbers;
    std::int32_t previous = 0;
    for (const auto& binding : BindRecords(store)) {
        EXPECT_GT(binding.number, previous) << "layout out of order at " << binding.number;
        previous = binding.number;
        numbers.insert(binding.number);
        std::visit(
            [&](auto slot) {
                if constexpr (!std::is_same_v<decltype(slot), EndMarker>) {
                    EXPECT_TRUE(slots.insert(slot).second)
                        << "slot bound twice, record " << binding.number;
                }
            },
            binding.slot);
    }
    EXPECT_FALSE(numbers.count(30));
    EXPECT_EQ(numbers.size(), 155u); // 1 to 155 without 30, plus the end marker
}

TEST(SettingsRecords, EverySlotKindSurvivesARoundTrip) {
    SettingsStore written = storeWithEverySlotSet();
    const std::string bytes = WriteSettingsRecords(written);

    SettingsStore read;
    ResetStoreLists(read);
    ReadSettingsRecords(bytes, read);
    EXPECT_TRUE(read == written);
    EXPECT_EQ(read.kept.vol15Lists[2], (TextList{"first 151", "", "third 151"}));
    EXPECT_EQ(read.templateOptions.at(3).RemainderText, "Customer_Code");
    EXPECT_EQ(WriteSettingsRecords(read), bytes) << "a read file must be written back identically";
}

TEST(SettingsRecords, NamedSlotsLandInTheirRecords) {
    // Guards the number <-> slot binding independently of the layout table.
    struct Case {
        std::int32_t number;
        std::string key;
        std::function<void(SettingsStore&)> set;
        std::string text;
        std::int32_t value;
    };
    const std::vector<Case> cases = {
        {33, "VOL0203", [](SettingsStore& s) { s.strings.rdoVol02StructureImportFullPaths = 0; },
         "", 0},
        {38, "VOL0208", [](SettingsStore& s) { s.strings.edtVol02Prefix = "Pre"; }, "Pre", 0},
        {49, "VOL0409", [](SettingsStore& s) { s.paths.chkVol04Hyphen = 1; }, "", 1},
        {52, "VOL0302", [](SettingsStore& s) { s.numbers.edtVol03EndNumber = "99"; }, "99", 0},
        {64, "VOL0314", [](SettingsStore& s) { s.numbers.chkVol03AddIncNumbersAsSuffix = 1; }, "",
         1},
        {70, "VOL0606", [](SettingsStore& s) { s.kept.vol06Texts[3] = "kept"; }, "kept", 0},
        {80, "VOL0210", [](SettingsStore& s) { s.numbers.chkVol03ViewDestFolder = 0; }, "", 0},
        {82, "VOL0705", [](SettingsStore& s) { s.kept.vol0705Repeated = 5; }, "", 5},
        {116, "VOL1214", [](SettingsStore& s) { s.kept.vol12MoreNumbers[5] = 8; }, "", 8},
        {124, "VOL1507", [](SettingsStore& s) { s.kept.vol15Numbers[6] = 9; }, "", 9},
        {127, "VOL126", [](SettingsStore& s) { s.startWith = 3; }, "", 3},
        {133, "VOL04", [](SettingsStore& s) { s.paths.lstVol04ExcludeFolderList = {"x"}; }, "x", 0},
        {150, "VOL15", [](SettingsStore& s) { s.kept.vol15Lists[1] = {"y"}; }, "y", 0},
        {153, "FMNAMESTXT", [](SettingsStore& s) { s.numbers.cboVol03DestFoldersText = "g:\\N"; },
         "g:\\N", 0},
        {155, "VOL04AD", [](SettingsStore& s) { s.paths.edtVol04AddToList = "f:\\A"; }, "f:\\A", 0},
    };
    for (const Case& c : cases) {
        SettingsStore store;
        c.set(store);
        const std::string bytes = WriteSettingsRecords(store);
        const auto found = recordsNumbered(bytes, c.number);
        ASSERT_EQ(found.size(), 1u) << c.number;
        EXPECT_EQ(found[0].key(), c.key) << c.number;
        if (c.text.empty())
            EXPECT_EQ(found[0].value(), c.value) << c.number;
        else
            EXPECT_EQ(found[0].text(), c.text) << c.number;
    }
}

TEST(SettingsRecords, BlankTextRule) {
    struct Case {
        const char* what;
        std::function<void(SettingsStore&, std::string)> set;
        std::function<std::string(const SettingsStore&)> get;
        std::int32_t number;
        std::string value;
        std::string written;
        std::string readBack;
    };
    const auto destination = [](SettingsStore& s, std::string v) {
        s.strings.cboVol02DestFoldersText = v;
    };
    const auto getDestination = [](const SettingsStore& s) {
        return s.strings.cboVol02DestFoldersText;
    };
    const auto terms = [](SettingsStore& s, std::string v) { s.fileTools.includeTermsText = v; };
    const auto getTerms = [](const SettingsStore& s) { return s.fileTools.includeTermsText; };
    const auto prefix = [](SettingsStore& s, std::string v) { s.strings.edtVol02Prefix = v; };
    const auto getPrefix = [](const SettingsStore& s) { return s.strings.edtVol02Prefix; };
    const auto delimiter = [](SettingsStore& s, std::string v) { s.selectedDelimiter = v; };
    const auto getDelimiter = [](const SettingsStore& s) { return s.selectedDelimiter; };
    const std::vector<Case> cases = {
        {"empty destination", destination, getDestination, 152, "", " ", " "},
        {"tab-only destination", destination, getDestination, 152, "\t", " ", " "},
        {"empty include terms", terms, getTerms, 21, "", " ", ""},
        {"padded include terms", terms, getTerms, 21, " a b ", " a b ", "a b"},
        {"empty prefix", prefix, getPrefix, 38, "", "", ""},
        {"blank prefix", prefix, getPrefix, 38, "  ", "  ", "  "},
        {"empty selected delimiter", delimiter, getDelimiter, 3, "", " ", " "},
        {"tab as selected delimiter", delimiter, getDelimiter, 3, "\t", "\t", "\t"},
    };
    for (const Case& c : cases) {
        SettingsStore store;
        c.set(store, c.value);
        const std::string bytes = WriteSettingsRecords(store);
        const auto found = recordsNumbered(bytes, c.number);
        ASSERT_EQ(found.size(), 1u) << c.what;
        EXPECT_EQ(found[0].text(), c.written) << c.what;
        SettingsStore read;
        ReadSettingsRecords(bytes, read);
        EXPECT_EQ(c.get(read), c.readBack) << c.what;
    }
}

TEST(SettingsRecords, ListsWriteOneRecordPerItemAndTemplateOptionsInKeyOrder) {
    SettingsStore store;
    store.strings.lstVol02IncludeStrings = {"Client01", "Client02", "Client03"};
    store.templateOptions = {{4, {}}, {2, {0, 1, "Remainder", 0, 0}}, {1, {0, 0, "", 0, 1}}};
    const std::string bytes = WriteSettingsRecords(store);

    const auto include = recordsNumbered(bytes, 128);
    ASSERT_EQ(include.size(), 3u);
    for (std::size_t i = 0; i < include.size(); ++i) {
        EXPECT_EQ(include[i].key(), "VOL02");
        EXPECT_EQ(include[i].text(), "Client0" + std::to_string(i + 1));
    }
    EXPECT_TRUE(recordsNumbered(bytes, 129).empty()) << "an empty list writes no record";

    const auto options = recordsNumbered(bytes, 125);
    ASSERT_EQ(options.size(), 3u);
    EXPECT_EQ(options[0].mapKey(), 1);
    EXPECT_EQ(options[0].flag(3), 1); // ReplaceAll is the fourth flag
    EXPECT_EQ(options[1].mapKey(), 2);
    EXPECT_EQ(options[1].flag(1), 1); // ReplaceRemainder is the second flag
    EXPECT_EQ(options[1].secondText(), "Remainder");
    EXPECT_EQ(options[2].mapKey(), 4);
    EXPECT_EQ(options[2].flag(0), 1);
    EXPECT_EQ(options[2].key(), "IEMPLATE");
}

TEST(SettingsRecords, DamagedFilesLoadWhatIsComplete) {
    SettingsStore source;
    source.strings.edtVol02Prefix = "Pre";
    source.strings.lstVol02IncludeStrings = {"a", "b"};
    source.startWith = 3;
    const std::string whole = WriteSettingsRecords(source);

    std::string unknownAndShort;
    RecordWriter(unknownAndShort, 30, "X").text("nothing");
    RecordWriter(unknownAndShort, -1, "X").value(5);
    RecordWriter(unknownAndShort, 1000, "X").value(5);
    RecordWriter(unknownAndShort, 38, "VOL0208").text("Kept");
    RecordWriter(unknownAndShort, 127, "VOL126").value(2);
    unknownAndShort.resize(unknownAndShort.size() - 1); // the last record is cut short

    std::string noTerminators(kRecordSize, 'Z');
    RecordWriter(noTerminators, 40, "VOL0210").text("Suf");
    noTerminators.replace(0, 4, std::string("\x26\0\0\0", 4)); // record 38, every text byte 'Z'

    struct Case {
        const char* what;
        std::string bytes;
        std::function<void(const SettingsStore&)> check;
    };
    const std::vector<Case> cases = {
        {"0 bytes", "", [](const SettingsStore& s) { EXPECT_EQ(s, SettingsStore{}); }},
        {"one byte short of a record", whole.substr(0, kRecordSize - 1),
         [](const SettingsStore& s) { EXPECT_EQ(s, SettingsStore{}); }},
        {"cut in the middle of the include list",
         whole.substr(0, offsetOfRecord(whole, 128, 1) + 100),
         [](const SettingsStore& s) {
             EXPECT_EQ(s.strings.edtVol02Prefix, "Pre");
             EXPECT_EQ(s.strings.lstVol02IncludeStrings, TextList{"a"});
             EXPECT_EQ(s.startWith, 3);
         }},
        {"unknown numbers and a partial last record", unknownAndShort,
         [](const SettingsStore& s) {
             EXPECT_EQ(s.strings.edtVol02Prefix, "Kept");
             EXPECT_EQ(s.startWith, 1) << "the cut record must not be applied";
         }},
        {"texts without terminators", noTerminators,
         [](const SettingsStore& s) {
             EXPECT_EQ(s.strings.edtVol02Prefix, std::string(5262, 'Z'));
             EXPECT_EQ(s.strings.edtVol02Suffix, "Suf");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SettingsStore store;
        ReadSettingsRecords(c.bytes, store);
        c.check(store);
    }
}

TEST(SettingsRecords, AFileWithOnlyTheEndMarkerEmptiesTheListsAndNothingElse) {
    std::string onlyEnd;
    RecordWriter(onlyEnd, kEndMarkerRecord, "VEGVEGEVE").value(0);
    SettingsStore store = storeWithEverySlotSet();
    SettingsStore expected = store;
    ResetStoreLists(store);
    ReadSettingsRecords(onlyEnd, store);

    EXPECT_TRUE(store.delimiterList.empty());
    EXPECT_TRUE(store.kept.vol08Lists[2].empty());
    EXPECT_TRUE(store.templateOptions.empty());
    EXPECT_EQ(store.kept.vol12Texts[0], expected.kept.vol12Texts[0]);
    EXPECT_EQ(store.fileTools.selectedType, expected.fileTools.selectedType);
    // Everything but the lists and the map is unchanged.
    ResetStoreLists(expected);
    EXPECT_EQ(store, expected);
}
