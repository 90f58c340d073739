// Profiles: the pages' records survive a round trip and nothing else is written; a file that is
// not a whole settings file is refused; the records and radios read as the engine's choices.

#include "settings/Profile.h"
#include "settings/PageChoices.h"
#include "settings/SettingsLayout.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsRecords.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace dirforge::settings;
using dirforge::engine::AttachMode;
using dirforge::engine::CopyVariant;

namespace {

/// A set-up with every page record away from its initial value, the choices kept in profiles
/// only among them.
PageSetup busySetup() {
    PageSetup setup;
    setup.strings.cboVol02DestFoldersHistory = {"f:\\Out", "g:\\Old"};
    setup.strings.cboVol02DestFoldersText = "f:\\Out";
    setup.strings.lstVol02IncludeStrings = {"Acme", "Beta\\Docs"};
    setup.strings.lstVol02ExcludeStrings = {"Gamma"};
    setup.strings.lstVol02AddFolderStructure = {"\\Docs\\In"};
    setup.strings.edtVol02Prefix = "P ";
    setup.strings.edtVol02AddToList = "typed";
    StoreChoices({"P ",
                  "S",
                  true,
                  AttachMode::TextTemplates,
                  CopyVariant::SubFoldersOnlyWithFiles,
                  {"\\Docs\\In"},
                  false,
                  false,
                  true,
                  false},
                 setup.strings);
    setup.paths.lstVol04IncludeFolderList = {"f:\\A\\B", "g:\\C"};
    setup.paths.lstVol04ExcludeFolderList = {"f:\\X"};
    StoreChoices({"",
                  "-x",
                  false,
                  AttachMode::Nothing,
                  CopyVariant::MainFolderWithoutFiles,
                  {},
                  false,
                  true,
                  false,
                  true},
                 setup.paths);
    setup.numbers.cboVol03DestFoldersHistory = {"g:\\N"};
    setup.numbers.cboVol03DestFoldersText = "g:\\N";
    setup.numbers.edtVol03StartNumber = "8";
    setup.numbers.edtVol03EndNumber = "12";
    setup.numbers.chkVol03PaddedZeroes = 1;
    setup.numbers.chkVol03AddIncNumbersAsSuffix = 1;
    StoreChoices({"C",
                  "",
                  true,
                  AttachMode::Existing,
                  CopyVariant::MainFolderWithFiles,
                  {"g:\\Tpl"},
                  true,
                  false,
                  true,
                  true},
                 setup.numbers);
    setup.templateOptions[1] = {0, 0, "", 1, 0};
    setup.templateOptions[2] = {0, 1, "Customer", 0, 0};
    setup.templateOptions[3] = {0, 0, "", 0, 1};
    return setup;
}

std::set<std::int32_t> numbersIn(const std::string& bytes) {
    std::set<std::int32_t> numbers;
    for (std::size_t at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize)
        numbers.insert(RecordReader(std::string_view(bytes).substr(at, kRecordSize)).number());
    return numbers;
}

} // namespace

TEST(Profile, PageRecordsSurviveARoundTripAndNothingElseIsWritten) {
    const PageSetup setup = busySetup();
    const std::string bytes = WriteProfileRecords(setup);
    ASSERT_EQ(bytes.size() % kRecordSize, 0u);
    for (std::int32_t number : numbersIn(bytes))
        EXPECT_TRUE(IsPageRecord(number) || number == kEndMarkerRecord) << number;
    // The application identifier, startup folder, shared lists and kept settings stay out.
    for (std::int32_t number : {1, 2, 4, 6, 17, 65, 126, 135})
        EXPECT_EQ(numbersIn(bytes).count(number), 0u) << number;
    std::string reason;
    const auto read = ReadProfileRecords(bytes, reason);
    ASSERT_TRUE(read) << reason;
    EXPECT_EQ(*read, setup);
}

TEST(Profile, AWholeSettingsFileIsReadForItsPageRecordsOnly) {
    SettingsStore store;
    store.strings.edtVol02Prefix = "Pre";
    store.paths.lstVol04IncludeFolderList = {"f:\\A"};
    store.delimiterList = {",", ";"};
    std::string reason;
    const auto read = ReadProfileRecords(WriteSettingsRecords(store), reason);
    ASSERT_TRUE(read) << reason;
    EXPECT_EQ(read->strings.edtVol02Prefix, "Pre");
    EXPECT_EQ(read->paths.lstVol04IncludeFolderList, (TextList{"f:\\A"}));
}

TEST(Profile, FilesThatAreNotWholeSettingsFilesAreRefused) {
    const std::string good = WriteProfileRecords(busySetup());
    std::string unknownNumber = good;
    unknownNumber[0] = 30; // record number 30 does not occur in the format
    std::string earlyEnd = good;
    RecordWriter(earlyEnd, kEndMarkerRecord, "VEGVEGEVE")
        .value(0); // a second marker after the first
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"a text file", "f:\\Clients\\A\nf:\\Clients\\B\n"},
        {"cut short", good.substr(0, good.size() - 100)},
        {"without its end marker", good.substr(0, good.size() - kRecordSize)},
        {"an unknown record number", unknownNumber},
        {"an end marker before the last record", earlyEnd},
    };
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_FALSE(ReadProfileRecords(c.bytes, reason)) << c.name;
        EXPECT_FALSE(reason.empty()) << c.name;
    }
}

TEST(Profile, RadiosReadAsTheEnginesChoicesAndBack) {
    const struct {
        AttachMode mode;
        CopyVariant variant;
    } cases[] = {
        {AttachMode::Nothing, CopyVariant::MainFolderWithoutFiles},
        {AttachMode::TextTemplates, CopyVariant::SubFoldersOnlyWithoutFiles},
        {AttachMode::Existing, CopyVariant::MainFolderWithFiles},
        {AttachMode::Existing, CopyVariant::SubFoldersOnlyWithFiles},
    };
    for (const auto& c : cases) {
        PageChoices choices;
        choices.mode = c.mode;
        choices.variant = c.variant;
        NumbersPageSettings page;
        StoreChoices(choices, page);
        EXPECT_EQ(page.rdoVol03AttachNothing + page.rdoVol03StructureImportRelativePaths +
                      page.rdoVol03StructureImportFullPaths,
                  1);
        EXPECT_EQ(ChoicesOf(page).mode, c.mode);
        EXPECT_EQ(ChoicesOf(page).variant, c.variant);
    }
    // The initial records are the pages' initial controls: Existing, main folder without files.
    EXPECT_EQ(ChoicesOf(PathsPageSettings{}).mode, AttachMode::Existing);
    EXPECT_EQ(ChoicesOf(PathsPageSettings{}).variant, CopyVariant::MainFolderWithoutFiles);
}
