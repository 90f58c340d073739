// What the reports say: the dry run predicts the run, each row adds up, a failure is never
// counted as already existing, and a drive that is not there is named as such.

#include "SimulateThenRun.h"

#include <filesystem>

namespace dirforge::testing {
namespace {

using engine::ResultList;

struct PredictionCase {
    const char* what;
    engine::PageKind page;
    std::vector<std::string> names;
    engine::AttachMode mode;
    std::vector<std::string> structure;
    std::vector<std::string> folders; // there before the run
    std::vector<std::string> files;   // there before the run
};

TEST(RunAccountingTest, TheSimulationPredictsTheRun) {
    using engine::AttachMode;
    using engine::PageKind;
    const PredictionCase cases[] = {
        {"duplicate names",
         PageKind::Strings,
         {"A", "A", "A\\B", "A/B", "C\\D", "C"},
         AttachMode::Nothing,
         {},
         {},
         {}},
        {"template line twice and a leading backslash",
         PageKind::Strings,
         {"\\sub", "X", "X"},
         AttachMode::TextTemplates,
         {"\\T", "\\T", "\\T\\U"},
         {},
         {}},
        {"a file where a folder should go",
         PageKind::Strings,
         {"F", "F\\G", "H"},
         AttachMode::TextTemplates,
         {"\\T"},
         {},
         {"f:\\Clients\\F"}},
        {"an existing target with a structure",
         PageKind::Strings,
         {"Old", "New", "New"},
         AttachMode::Existing,
         {"f:\\S"},
         {"f:\\Clients\\Old"},
         {}},
        {"paths on two drives, a file in the way of a parent",
         PageKind::Paths,
         {"g:\\P\\A", "g:\\P\\A", "f:\\Q\\B", "G:\\P\\A"},
         AttachMode::TextTemplates,
         {"\\T\\U", "\\V"},
         {},
         {"f:\\Q"}},
        {"numbers whose names are refused", PageKind::Numbers, {}, AttachMode::Nothing, {}, {}, {}},
    };
    for (const PredictionCase& c : cases) {
        TempDrives drives;
        drives.makeFile("f:\\S\\Docs\\a.txt", "12345");
        drives.makeFile("f:\\S\\b.txt", "12");
        for (const auto& folder : c.folders)
            drives.makeFolder(folder);
        for (const auto& file : c.files)
            drives.makeFile(file, "x");
        engine::RunRequest r;
        r.page = c.page;
        r.names = c.names;
        r.destination = "f:\\Clients";
        r.attachMode = c.mode;
        r.copyVariant = engine::CopyVariant::MainFolderWithFiles;
        r.structureLines = c.structure;
        r.showExplorer = false;
        if (c.page == PageKind::Numbers) {
            r.prefix = "COM"; // COM1 to COM9 are device names the file system refuses
            r.numbers = {8, 11, "8", "11", false, false};
        }
        const BothRuns both = SimulateThenRun(drives.fs(), r);
        ExpectSamePicture(both, c.what);
        ExpectRowsAddUp(both.real.counters, c.what);
    }
}

TEST(RunAccountingTest, DuplicateNamesAreExistingInTheSimulationToo) {
    TempDrives drives;
    engine::RunRequest r;
    r.names = {"A", "A", "A\\B", "A/B", "C\\D", "C"};
    r.destination = "f:\\Clients";
    r.attachMode = engine::AttachMode::Nothing;
    r.showExplorer = false;
    const BothRuns both = SimulateThenRun(drives.fs(), r);
    EXPECT_EQ(both.simulated.lists[static_cast<int>(ResultList::FoldersCreated)],
              (Paths{"f:\\Clients\\A", "f:\\Clients\\A\\B", "f:\\Clients\\C\\D"}));
    EXPECT_EQ(both.simulated.lists[static_cast<int>(ResultList::FoldersExist)],
              (Paths{"f:\\Clients\\A", "f:\\Clients\\A\\B", "f:\\Clients\\C"}));
}

class RunAccountingFixture : public RunFixture {};

TEST_F(RunAccountingFixture, AStructureHoldingTheDestinationIsCopiedAsItStoodBeforeTheRun) {
    drives.makeFolder("f:\\Root\\Docs");
    drives.makeFolder("f:\\Root\\Dest");
    auto r = request(PageKind::Numbers, {}, "f:\\Root\\Dest");
    r.numbers = {1, 14, "1", "14", false, false};
    r.attachMode = AttachMode::Existing;
    r.structureLines = {"f:\\Root"};
    ASSERT_TRUE(engine::PrepareTargetCounts(r, state, services(), false));
    create(r);
    // Each new folder gets Root, Root\Docs and Root\Dest: never the copies made for earlier
    // numbers.
    EXPECT_EQ(cell(CounterRow::Subfolders, CounterColumn::ToCreate), 42);
    EXPECT_EQ(row(CounterRow::Subfolders), (std::array<double, 3>{42, 0, 0}));
    EXPECT_EQ(drives.listTree("f:\\Root\\Dest\\14"),
              (Paths{"Root\\", "Root\\Dest\\", "Root\\Docs\\"}));
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
}

struct CopyFailureCase {
    const char* what;
    FsOp op;
    const char* path;
    std::array<double, 3> subfolders;
    std::array<double, 3> files;
    std::array<double, 3> bytes;
    const char* warning; // the first warning the run ends with
    std::size_t warnings;
};

TEST_F(RunAccountingFixture, WhatCouldNotBeMadeOrReadIsOtherReasonsWithOneWarning) {
    const CopyFailureCase cases[] = {
        {"a file that cannot be copied",
         FsOp::CopyFile,
         "f:\\S\\a.txt",
         {2, 0, 0},
         {1, 0, 1},
         {2, 0, 5},
         "Files that could not be copied (counted under other reasons) : "
         "1\nf:\\Clients\\N\\S\\a.txt  (permission denied)",
         1},
        {"a subfolder that cannot be made",
         FsOp::CreateFolder,
         "f:\\Clients\\N\\S\\Sub",
         {1, 0, 1},
         {1, 0, 1},
         {5, 0, 2},
         "Subfolders that could not be created (counted under other reasons) : "
         "1\nf:\\Clients\\N\\S\\Sub  (permission denied)",
         2},
        {"a folder that cannot be read",
         FsOp::ListFolder,
         "f:\\S\\Sub",
         {2, 0, 0},
         {1, 0, 0},
         {5, 0, 0},
         "Structure folders that could not be read (their content was not copied) : 1\nf:\\S\\Sub  "
         "(could not be read)",
         1},
    };
    for (const CopyFailureCase& c : cases) {
        std::filesystem::remove_all(drives.hostPath("f:\\"));
        std::filesystem::create_directories(drives.hostPath("f:\\"));
        drives.makeFile("f:\\S\\a.txt", "12345");
        drives.makeFile("f:\\S\\Sub\\b.txt", "12");
        faulty.clear();
        faulty.failAlways(c.op, c.path);
        state = {};
        ScriptedPrompt local;
        local.answerEverything(true);
        auto r = request(PageKind::Strings, {"N"});
        r.attachMode = AttachMode::Existing;
        r.copyVariant = CopyVariant::MainFolderWithFiles;
        r.structureLines = {"f:\\S"};
        const engine::RunServices seams{fs(), local, shell, log};
        engine::CreationRun(r, state, seams);
        EXPECT_EQ(row(CounterRow::Subfolders), c.subfolders) << c.what;
        EXPECT_EQ(row(CounterRow::Files), c.files) << c.what;
        EXPECT_EQ(row(CounterRow::Bytes), c.bytes) << c.what;
        const auto& shown = local.shown();
        ASSERT_EQ(shown.size(), 2 + c.warnings) << c.what; // question, the warnings, end
        EXPECT_EQ(shown[1].title, titles(PageKind::Strings, false).notMade) << c.what;
        EXPECT_EQ(shown[1].text, c.warning) << c.what;
    }
}

TEST_F(RunAccountingFixture, TemplateFoldersThatCannotBeMadeCountInTheSubfoldersRow) {
    faulty.failPrefix(FsOp::CreateFolder, "f:\\Clients\\B\\T");
    faulty.failPrefix(FsOp::CreateFolder, "f:\\Clients\\C\\T");
    auto r = request(PageKind::Strings, {"A", "B", "C"});
    r.attachMode = AttachMode::TextTemplates;
    r.structureLines = {"\\T\\X", "\\T\\Y"};
    ASSERT_TRUE(engine::PrepareTargetCounts(r, state, services(), false));
    expectQuestion(PageKind::Strings);
    prompt.expect(titles(PageKind::Strings, false).notMade, MessageKind::Warning);
    expectEnd(PageKind::Strings);
    engine::CreationRun(r, state, services());
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(row(CounterRow::Folders), (std::array<double, 3>{3, 0, 0}));
    EXPECT_EQ(row(CounterRow::Subfolders), (std::array<double, 3>{2, 0, 4}));
    EXPECT_EQ(state.results.FoldersOther, (Paths{"f:\\Clients\\B\\T\\X", "f:\\Clients\\B\\T\\Y",
                                                 "f:\\Clients\\C\\T\\X", "f:\\Clients\\C\\T\\Y"}));
    ExpectRowsAddUp(state.results.counters, "templates");
}

struct MissingDriveCase {
    const char* what;
    engine::PageKind page;
    std::vector<std::string> names;
    const char* destination;
    const char* drive;
};

TEST_F(RunAccountingFixture, ADriveThatIsNotThereIsNamedAndTheRunRefused) {
    const std::string gone = drives.mapDrive('h');
    std::filesystem::remove_all(gone);
    const MissingDriveCase cases[] = {
        {"strings, unmapped", PageKind::Strings, {"A"}, "q:\\Clients", "q:\\"},
        {"numbers, unmapped", PageKind::Numbers, {}, "Q:\\Clients", "q:\\"},
        {"paths, one entry unmapped", PageKind::Paths, {"f:\\A", "q:\\B"}, "", "q:\\"},
        {"strings, folder missing", PageKind::Strings, {"A"}, "h:\\Clients", "h:\\"},
    };
    for (const MissingDriveCase& c : cases) {
        for (const bool simulate : {false, true}) {
            ScriptedPrompt local;
            auto r = request(c.page, c.names, c.destination);
            r.attachMode = AttachMode::Existing;
            r.copyVariant = CopyVariant::MainFolderWithFiles;
            r.structureLines = {"f:\\S"};
            local.expect(engine::TextsFor(c.page).run.driveMissing, MessageKind::Warning);
            const engine::RunServices seams{fs(), local, shell, log};
            const auto outcome = simulate ? engine::SimulationRun(r, state, seams)
                                          : engine::CreationRun(r, state, seams);
            EXPECT_EQ(outcome.end, engine::RunEnd::Refused) << c.what;
            ASSERT_TRUE(local.satisfied()) << c.what << local.describe();
            EXPECT_EQ(
                local.shown()[0].text,
                std::string("The disk ") + c.drive +
                    " is not available: no folder is mapped to it, or its folder is missing.\n"
                    "The disks that are available : c:\\  f:\\  g:\\")
                << c.what;
            // The page refresh shows the same message instead of the not-enough-space one.
            ScriptedPrompt refresh;
            refresh.expect(engine::TextsFor(c.page).run.driveMissing, MessageKind::Warning);
            const engine::RunServices refreshSeams{fs(), refresh, shell, log};
            EXPECT_FALSE(engine::PrepareTargetCounts(r, state, refreshSeams, false)) << c.what;
            EXPECT_TRUE(refresh.satisfied()) << c.what << refresh.describe();
        }
    }
    EXPECT_FALSE(drives.exists("f:\\A"));
}

} // namespace
} // namespace dirforge::testing
