// The automatic settings file across starts: a first start writes the built-in defaults, later
// starts read them back unchanged, and a failed write leaves the old file and says so.

#include "settings/AutomaticSettings.h"
#include "settings/BuiltInDefaults.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsRecords.h"
#include "support/FaultInjectingFileSystem.h"
#include "support/ScriptedPrompt.h"
#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using namespace dirforge::settings;
using dirforge::platform::MessageKind;
using dirforge::testing::FaultInjectingFileSystem;
using dirforge::testing::FsOp;
using dirforge::testing::ScriptedPrompt;
using dirforge::testing::TempDrives;

namespace {

/// "number key" of every record in file order, one line per record.
std::vector<std::string> numbersAndKeys(const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize) {
        const RecordReader r(std::string_view(bytes).substr(at, kRecordSize));
        lines.push_back(std::to_string(r.number()) + " " + r.key());
    }
    return lines;
}

/// The file a first start must write: "number key [times]" per record, in file order.
std::vector<std::string> expectedFirstStartRecords() {
    const char* layout =
        R"(1 APPNAME; 2 DEFDIRECTR; 3 SELSEDELIM; 4 DELIMLIST 17; 5 SELSEQUOT; 6 QUOTLIST 17; 7 FMNAMESRDO; 8 FMNAMESRDO
9 FMNAMESTXT; 10 FMDEQINC 1; 12 FMALLTYPES; 13 FMINCTYPES; 14 FMINCTYPES; 15 FMONETYPES; 16 FMONEFILE; 17 FMDEQINC 172
18 FMDEQEXC 5; 19 FMDEQEXC 215; 20 FMINCCHECK; 21 FMNAMESTXT; 24 FMINCCHECK; 25 FMNAMESTXT; 31 VOL0201; 32 VOL0202
33 VOL0203; 34 VOL0204; 35 VOL0205; 36 VOL0206; 37 VOL0207; 38 VOL0208; 39 VOL0209; 40 VOL0210
41 VOL0401; 42 VOL0402; 43 VOL0403; 44 VOL0404; 45 VOL0405; 46 VOL0406; 47 VOL0407; 48 VOL0408
49 VOL0409; 50 VOL0410; 51 VOL0301; 52 VOL0302; 53 VOL0303; 54 VOL0304; 55 VOL0305; 56 VOL0306
57 VOL0307; 58 VOL0308; 59 VOL0309; 60 VOL0310; 61 VOL0311; 62 VOL0312; 63 VOL0313; 64 VOL0314
65 VOL0601; 66 VOL0602; 67 VOL0603; 68 VOL0604; 69 VOL0605; 70 VOL0606; 71 VOL0607; 72 VOL0701
73 VOL0702; 74 VOL0703; 75 VOL0704; 76 VOL0705; 77 VOL0210; 78 VOL0210; 79 VOL0410; 80 VOL0210
81 VOL0210; 82 VOL0705; 83 VOL0801; 84 VOL0802; 85 VOL0803; 86 VOL0804; 87 VOL0805; 88 VOL0806
89 VOL0807; 90 VOL1001; 91 VOL1002; 92 VOL1003; 93 VOL1004; 94 VOL1005; 95 VOL1006; 96 VOL1007
97 VOL1008; 98 VOL1101; 99 VOL1102; 100 VOL1103; 101 VOL1104; 102 VOL1105; 103 VOL1201; 104 VOL1202
105 VOL1203; 106 VOL1204; 107 VOL1205; 108 VOL1206; 109 VOL1207; 110 VOL1208; 111 VOL1209; 112 VOL1210
113 VOL1211; 114 VOL1212; 115 VOL1213; 116 VOL1214; 117 VOL0715; 118 VOL1501; 119 VOL1502; 120 VOL1503
121 VOL1504; 122 VOL1505; 123 VOL1506; 124 VOL1507; 125 IEMPLATE 4; 126 VOL126; 127 VOL126; 152 FMNAMESTXT
153 FMNAMESTXT; 154 VOL02AD; 155 VOL04AD; 900 VEGVEGEVE)";
    std::vector<std::string> lines;
    std::string entries(layout);
    std::replace(entries.begin(), entries.end(), '\n', ';');
    std::istringstream in(entries);
    std::string number, key;
    int times = 1;
    for (std::string entry; std::getline(in, entry, ';');) {
        std::istringstream fields(entry);
        times = 1;
        fields >> number >> key >> times;
        lines.insert(lines.end(), static_cast<std::size_t>(times), number + " " + key);
    }
    return lines;
}

std::string readAll(const dirforge::platform::FileSystem& files, const std::string& path) {
    return files.readFile(path).value_or("<missing>");
}

} // namespace

TEST(AutomaticSettings, FirstStartWritesTheDefaultsAndASecondStartReadsThemUnchanged) {
    TempDrives drives;
    drives.makeFolder("f:\\Start");
    ScriptedPrompt prompt;

    SettingsStore first;
    const auto created = LoadOrCreateAutomaticSettings(drives.fs(), "f:\\Start", first, prompt);
    EXPECT_TRUE(created.firstStart);
    EXPECT_TRUE(created.written);
    EXPECT_EQ(created.path, "f:\\Start\\default.set");
    const std::string bytes = readAll(drives.fs(), created.path);
    ASSERT_EQ(bytes.size(), 2915360u);
    EXPECT_EQ(bytes.size() / kRecordSize, 548u);
    EXPECT_EQ(numbersAndKeys(bytes), expectedFirstStartRecords());
    EXPECT_EQ(first.delimiterList, BuiltInDelimiters());
    EXPECT_EQ(first.fileTools.fileNamePatternHistory, TextList{"*.*"});
    EXPECT_EQ(first.templateOptions.size(), 4u);

    SettingsStore second;
    second.strings.lstVol02IncludeStrings = {"left from before"};
    const auto again = LoadOrCreateAutomaticSettings(drives.fs(), "f:\\Start", second, prompt);
    EXPECT_FALSE(again.firstStart);
    EXPECT_FALSE(again.written);
    EXPECT_EQ(readAll(drives.fs(), created.path), bytes)
        << "a second start must not rewrite the file";
    EXPECT_TRUE(second.strings.lstVol02IncludeStrings.empty());
    // Blank texts come back as the " " they were written as; everything else as installed.
    SettingsStore expected = first;
    expected.selectedDelimiter = expected.selectedQuotationMark = " ";
    expected.fileTools.fileNamePattern = " ";
    expected.strings.cboVol02DestFoldersText = expected.numbers.cboVol03DestFoldersText = " ";
    EXPECT_EQ(second, expected);
    EXPECT_EQ(WriteSettingsRecords(second), bytes);
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();

    // Removing the file makes the next start a first start again.
    ASSERT_TRUE(drives.fs().deleteFile(created.path));
    SettingsStore third;
    EXPECT_TRUE(LoadOrCreateAutomaticSettings(drives.fs(), "f:\\Start", third, prompt).firstStart);
}

TEST(AutomaticSettings, StoredStartupFolderReplacesOursUnlessBlank) {
    struct Case {
        const char* what;
        std::string stored;
        std::string expected;
    };
    const Case cases[] = {
        {"another folder", "g:\\Elsewhere", "g:\\Elsewhere"},
        {"blank", "", "f:\\"}, // written as " "
    };
    for (const Case& c : cases) {
        TempDrives drives;
        SettingsStore written;
        written.startupFolder = c.stored;
        written.applicationIdentifier = "Stored name";
        drives.makeFile("f:\\default.set", WriteSettingsRecords(written));

        ScriptedPrompt prompt;
        SettingsStore store;
        const auto outcome = LoadOrCreateAutomaticSettings(drives.fs(), "f:\\", store, prompt);
        EXPECT_EQ(outcome.path, "f:\\default.set") << c.what;
        EXPECT_FALSE(outcome.firstStart) << c.what;
        EXPECT_EQ(store.startupFolder, c.expected) << c.what;
        EXPECT_EQ(store.applicationIdentifier, "Stored name") << c.what;
        EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    }
}

TEST(AutomaticSettings, AFailedWriteReportsMessage0130AndKeepsTheDefaultsInMemory) {
    TempDrives drives;
    FaultInjectingFileSystem faulty(drives.fs());
    faulty.failAlways(FsOp::WriteFile, "f:\\default.set");
    ScriptedPrompt prompt;
    prompt.expect(kSaveFailedTitle, MessageKind::Error);

    SettingsStore store;
    const auto outcome = LoadOrCreateAutomaticSettings(faulty, "f:\\", store, prompt);
    EXPECT_TRUE(outcome.firstStart);
    EXPECT_FALSE(outcome.written);
    EXPECT_FALSE(drives.exists("f:\\default.set"));
    EXPECT_EQ(store.fileTools.reserveFileTypes, BuiltInReserveFileTypes());
    ASSERT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(prompt.shown()[0].text,
              "Unable to open output file to save settings !\n\nAction: Try to save "
              "again the settings, or \n\nimmediately e-mail us, please!");
}

TEST(SettingsFile, AFailedSaveLeavesTheOldFileUntouched) {
    TempDrives drives;
    drives.makeFile("f:\\Keep\\mine.set", "old content");
    FaultInjectingFileSystem faulty(drives.fs());
    faulty.failAlways(FsOp::WriteFile, "f:\\Keep\\mine.set");
    ScriptedPrompt prompt;
    prompt.expect(kSaveFailedTitle, MessageKind::Error);

    SettingsStore store;
    EXPECT_FALSE(SaveClass(store, "  f:\\\\Keep\\mine.set ", faulty, prompt));
    EXPECT_EQ(drives.readText("f:\\Keep\\mine.set"), "old content");
    EXPECT_EQ(drives.listTree("f:\\Keep"), std::vector<std::string>{"mine.set"})
        << "no temporary file left";
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();

    // Without the fault the same call replaces the file whole, and RestoreClass reads it back.
    store.strings.edtVol02Prefix = "Saved";
    EXPECT_TRUE(SaveClass(store, "  f:\\\\Keep\\mine.set ", drives.fs(), prompt));
    SettingsStore read;
    ASSERT_TRUE(RestoreClass(read, "f:\\Keep\\mine.set", drives.fs()));
    EXPECT_EQ(read.strings.edtVol02Prefix, "Saved");
    EXPECT_FALSE(RestoreClass(read, "f:\\Keep\\missing.set", drives.fs()));
}

TEST(SettingsFile, PathResolution) {
    struct Case {
        std::string name;
        std::string startupFolder;
        std::string expected;
    };
    const Case cases[] = {
        {"", "f:\\Start", "f:\\Start\\default.set"},
        {"   ", "f:\\Start\\", "f:\\Start\\default.set"},
        {"", "c:\\", "c:\\default.set"},
        {"  g:\\Sets\\my.set  ", "f:\\", "g:\\Sets\\my.set"},
        {"\\\\server\\share\\my.set", "f:\\", "\\server\\share\\my.set"},
        {"f:\\a\\\\\\b.set", "f:\\", "f:\\a\\b.set"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveSettingsPath(c.name, c.startupFolder), c.expected) << "'" << c.name << "'";
}
