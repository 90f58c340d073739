#include "engine/FolderFileUndo.h"
#include "engine/PageTexts.h"
#include "engine/RunAnchors.h"

#include "support/FaultInjectingFileSystem.h"
#include "support/ScriptedPrompt.h"
#include "support/TempDrives.h"

#include <gtest/gtest.h>

#include <chrono>

namespace dirforge::engine {
namespace {

using platform::MessageKind;
using platform::PromptButton;
using testing::FaultInjectingFileSystem;
using testing::FsOp;
using testing::ScriptedPrompt;
using testing::TempDrives;
using Paths = std::vector<std::string>;
using PlanEntries = std::vector<std::pair<std::uint32_t, std::string>>;

PlanEntries PlanOf(const FolderFileUndo& undo) {
    const AS_MULTIMAP_NIVO_FOLDER_NAMES plan = undo.Plan();
    return PlanEntries(plan.begin(), plan.end());
}

/// Records what the visual log would be told.
struct LogSpy : RunObserver {
    int resets = 0;
    Paths failedUndo;
    double lastFailedCounter = -1;
    void resetLog(bool) override { ++resets; }
    void recorded(ResultList list, const std::string& path) override {
        if (list == ResultList::FoldersFailedUndo)
            failedUndo.push_back(path);
    }
    void countersChanged(const RunCounters& counters) override {
        lastFailedCounter = counters.failedUndo;
    }
};

/// Creates a folder as a run on its drive does and journals every folder actually made, with
/// its identity and the drive's root as the folder it was made below.
void MakeAsRun(platform::FileSystem& fs, RunResults& results, const std::string& path) {
    RunAnchors anchors(fs, results);
    ASSERT_TRUE(anchors.createFolder(path.substr(0, 2), path)) << path;
}

TEST(RunAnchorsTest, NewFoldersLearnTheirIdentityWithinTheWait) {
    // Folders made directly in the destination wait for one listing that names them all; with
    // no wait each is asked at once. Either way the journal ends with each folder's own identity.
    for (const auto wait : {std::chrono::milliseconds(0), RunAnchors::kIdentityWait}) {
        TempDrives drives;
        drives.makeFolder("f:\\Dest");
        RunResults results;
        {
            RunAnchors anchors(drives.fs(), results, wait);
            for (const char* name : {"f:\\Dest\\A", "f:\\Dest\\B", "f:\\Dest\\C\\Deep"})
                ASSERT_TRUE(anchors.createFolder("f:\\Dest", name)) << name;
            ASSERT_EQ(results.FolderIdentities.size(), 4u);
            EXPECT_EQ(results.FolderIdentities[0].known(), wait.count() == 0)
                << "a folder made in the destination waits only when a wait is allowed";
            EXPECT_TRUE(results.FolderIdentities[3].known()) << "a deeper folder is asked at once";
            anchors.identifyMade(); // as a run does after its last name
        }
        ASSERT_EQ(results.FoldersMadeByRun,
                  (Paths{"f:\\Dest\\A", "f:\\Dest\\B", "f:\\Dest\\C", "f:\\Dest\\C\\Deep"}));
        for (std::size_t i = 0; i < results.FoldersMadeByRun.size(); ++i)
            EXPECT_TRUE(results.FolderIdentities[i].sameObject(
                drives.identityOf(std::string(results.FoldersMadeByRun[i]))))
                << results.FoldersMadeByRun[i];
    }
}

TEST(ParentFolderTest, Table) {
    const std::pair<const char*, const char*> cases[] = {
        {"f:\\Clients\\A", "f:\\Clients"},
        {"f:\\Clients", "f:"},
        {"f:", "f:"},
        {"f:/Clients/A", "f:\\Clients"},
        {"Name", "Name"},
        {" f:\\A\\B", "f:\\A"},
        {"f:\\A\\", "f:\\A"},
        {"", ""},
    };
    for (const auto& [path, parent] : cases)
        EXPECT_EQ(ParentFolder(path), parent) << path;
}

TEST(UndoPlanTest, TemplateWalkUpStopsAtTheDestination) {
    TempDrives drives;
    for (const char* destination : {"f:\\Clients\\", "f:/Clients//", "  f:\\\\Clients"}) {
        FolderFileUndo undo(drives.fs());
        undo.SetDestination(destination);
        undo.AddFolders({"f:\\Clients\\A"});
        undo.AddSubFolders({"f:\\Clients\\A\\X\\Y"});
        undo.AddMadeByRun({"f:\\Clients\\A", "f:\\Clients\\A\\X", "f:\\Clients\\A\\X\\Y"});
        undo.SchedulePlan(PageKind::Strings, "R", false);
        EXPECT_EQ(PlanOf(undo), (PlanEntries{{2, "f:\\Clients\\A"},
                                             {3, "f:\\Clients\\A\\X"},
                                             {4, "f:\\Clients\\A\\X\\Y"}}))
            << destination;
    }
}

TEST(UndoPlanTest, WalkUpEndsAndSkipsFoldersTheRunDidNotMake) {
    // A destination that matches nothing (and a made list that misses f:\Clients) must neither
    // loop nor schedule the pre-existing parents.
    TempDrives drives;
    FolderFileUndo undo(drives.fs());
    undo.SetDestination("g:\\Elsewhere\\");
    undo.AddFolders({"f:\\Clients\\A", "f:\\Clients\\B"});
    undo.AddSubFolders(
        {"f:\\Clients\\A\\Shared\\X", "f:\\Clients\\B\\Shared\\X", "f:\\Clients\\A\\Shared\\Y"});
    undo.AddMadeByRun({"f:\\Clients\\A\\Shared", "f:\\Clients\\B\\Shared"});
    undo.SchedulePlan(PageKind::Numbers, "R", false);
    EXPECT_EQ(PlanOf(undo), (PlanEntries{{2, "f:\\Clients\\A"},
                                         {2, "f:\\Clients\\B"},
                                         {3, "f:\\Clients\\A\\Shared"},
                                         {3, "f:\\Clients\\B\\Shared"},
                                         {4, "f:\\Clients\\A\\Shared\\X"},
                                         {4, "f:\\Clients\\B\\Shared\\X"},
                                         {4, "f:\\Clients\\A\\Shared\\Y"}}));
}

TEST(UndoPlanTest, RowsPerPageAndModeScheduleWhatTheRunMadeOnly) {
    // f:\Clients and g:\Archive were there before the run; f:\Clients\P-A\Docs was made as a
    // parent of Old. Every row ends with the same folders; the rows differ in their order.
    TempDrives drives;
    const std::string pa = "f:\\Clients\\P-A", pb = "g:\\Archive\\P-B", old = pa + "\\Docs\\Old",
                      fDocs = pa + "\\Docs", gDocs = pb + "\\Docs";
    struct Case {
        PageKind page;
        const char* mode;
        bool retry;
        PlanEntries expected;
    };
    const PlanEntries direct{{2, pa}, {2, pb}, {3, gDocs}, {3, fDocs}, {4, old}};
    const PlanEntries walked{{2, pa}, {2, pb}, {3, fDocs}, {3, gDocs}, {4, old}};
    const Case cases[] = {
        {PageKind::Strings, "F", false, direct}, {PageKind::Numbers, "N", true, direct},
        {PageKind::Paths, "N", false, direct},   {PageKind::Paths, "F", false, direct},
        {PageKind::Paths, "?", false, direct},   {PageKind::Paths, "R", false, walked},
        {PageKind::Strings, "R", false, walked},
    };
    for (const Case& c : cases) {
        FolderFileUndo undo(drives.fs());
        undo.SetDestination("f:\\Clients\\");
        undo.AddFolders({pa + "\\", pb});
        undo.AddSubFolders({old, gDocs});
        undo.AddMadeByRun({fDocs});
        undo.SchedulePlan(c.page, c.mode, c.retry);
        EXPECT_EQ(PlanOf(undo), c.expected) << static_cast<int>(c.page) << c.mode;
    }
}

TEST(UndoReportTest, FoldersBeforeFilesWithTheFixedLayout) {
    TempDrives drives;
    drives.makeFile("f:\\A\\locked.txt", "x");
    FaultInjectingFileSystem fs(drives.fs());
    fs.failAlways(FsOp::DeleteFile, "f:\\A\\locked.txt");
    FolderFileUndo undo(fs);
    undo.AddFiles({" f:\\A\\locked.txt\t"});
    undo.AddFolders({"f:\\A"});
    undo.SchedulePlan(PageKind::Strings, "F", false);
    undo.DeleteFiles();
    undo.RemoveFolders();
    undo.BuildReport();
    EXPECT_EQ(undo.Report(),
              "The program is unable to delete the following folders, and/or separate files : \n"
              "\nOTHER REASONS   : \n\nf:\\A\nf:\\A\\locked.txt\n");

    FolderFileUndo clean(drives.fs());
    clean.BuildReport();
    EXPECT_EQ(clean.Report(), "");
}

class UndoLastRunTest : public ::testing::Test {
protected:
    TempDrives drives;
    RunResults results;
    ScriptedPrompt prompt;
    LogSpy log;
    const UndoTitles& strings = TextsFor(PageKind::Strings).undo;

    bool Undo(PageKind page, const std::string& mode, platform::FileSystem& fs,
              const std::string& destination = "") {
        return UndoLastRun(page, results, mode, destination, fs, prompt, log);
    }
    void ExpectQuestionAndEnd(const UndoTitles& titles) {
        prompt.expect(titles.question, MessageKind::Question, PromptButton::Yes)
            .expect(titles.end, MessageKind::Information);
    }
};

TEST_F(UndoLastRunTest, CopiedStructureGoesFilesFirstAndSourceStays) {
    drives.makeFile("g:\\Templates\\Project\\Docs\\a.txt", "a");
    drives.makeFolder("f:\\Clients");
    MakeAsRun(drives.fs(), results, "f:\\Clients\\A");
    results.FoldersCreated = {"f:\\Clients\\A"};
    for (const char* sub : {"f:\\Clients\\A\\Project", "f:\\Clients\\A\\Project\\Docs"}) {
        MakeAsRun(drives.fs(), results, sub);
        results.SubFoldersCreated.push_back(sub);
    }
    drives.makeFile("f:\\Clients\\A\\Project\\Docs\\a.txt", "a");
    results.FilesCreated = {"f:\\Clients\\A\\Project\\Docs\\a.txt"};
    results.FileIdentities = {drives.identityOf(results.FilesCreated[0])};
    results.counters.at(CounterRow::Folders, CounterColumn::ToCreate) = 1;
    results.counters.at(CounterRow::Folders, CounterColumn::Created) = 1;

    ExpectQuestionAndEnd(strings);
    EXPECT_TRUE(Undo(PageKind::Strings, "F", drives.fs()));
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(drives.listTree("f:\\Clients"), Paths{});
    EXPECT_TRUE(drives.isFile("g:\\Templates\\Project\\Docs\\a.txt"));
    EXPECT_TRUE(results.FoldersCreated.empty() && results.SubFoldersCreated.empty() &&
                results.FilesCreated.empty());
    EXPECT_EQ(results.counters.at(CounterRow::Folders, CounterColumn::Created), 0);
    EXPECT_EQ(results.counters.at(CounterRow::Folders, CounterColumn::ToCreate), 1); // kept
    EXPECT_EQ(log.resets, 1);
    EXPECT_EQ(log.lastFailedCounter, 0);
}

TEST_F(UndoLastRunTest, OnlyFoldersTheRunMadeAreRemovedAndAllOfThem) {
    // Paths page: f:\Existing was there before (and is empty again), f:\New\Deep were made.
    drives.makeFolder("f:\\Existing");
    MakeAsRun(drives.fs(), results, "f:\\Existing\\P-A");
    MakeAsRun(drives.fs(), results, "f:\\New\\Deep\\P-B");
    results.FoldersCreated = {"f:\\Existing\\P-A", "f:\\New\\Deep\\P-B"};
    const UndoTitles& paths = TextsFor(PageKind::Paths).undo;
    ExpectQuestionAndEnd(paths);
    EXPECT_TRUE(Undo(PageKind::Paths, "N", drives.fs()));
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(drives.listTree("f:\\"), Paths{"Existing\\"});

    // Strings page, item a/b: the intermediate f:\x\a goes too, f:\x (there before) stays.
    drives.makeFolder("f:\\x");
    MakeAsRun(drives.fs(), results, "f:\\x\\a\\b");
    results.FoldersCreated = {"f:\\x\\a\\b"};
    ExpectQuestionAndEnd(strings);
    EXPECT_TRUE(Undo(PageKind::Strings, "N", drives.fs()));
    EXPECT_EQ(drives.listTree("f:\\x"), Paths{});
    EXPECT_TRUE(drives.isFolder("f:\\x"));
}

TEST_F(UndoLastRunTest, FailedFileKeepsItsFoldersUntilTheRetry) {
    drives.makeFolder("f:\\Clients");
    MakeAsRun(drives.fs(), results, "f:\\Clients\\A\\Sub");
    results.FoldersCreated = {"f:\\Clients\\A"};
    results.SubFoldersCreated = {"f:\\Clients\\A\\Sub"};
    drives.makeFile("f:\\Clients\\A\\Sub\\open.doc", "x");
    results.FilesCreated = {"f:\\Clients\\A\\Sub\\open.doc"};
    results.FileIdentities = {drives.identityOf(results.FilesCreated[0])};
    FaultInjectingFileSystem fs(drives.fs());
    fs.failOnce(FsOp::DeleteFile, "f:\\Clients\\A\\Sub\\open.doc");

    prompt.expect(strings.question, MessageKind::Question, PromptButton::Yes)
        .expect(strings.report, MessageKind::Warning)
        .expect(strings.end, MessageKind::Information);
    EXPECT_TRUE(Undo(PageKind::Strings, "F", fs));
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(prompt.shown()[1].text,
              "The program is unable to delete the following folders, and/or separate files : "
              "\n\nOTHER REASONS   : "
              "\n\nf:\\Clients\\A\\Sub\nf:\\Clients\\A\nf:\\Clients\\A\\Sub\\open.doc\n");
    EXPECT_EQ(results.FoldersFailedUndo, (Paths{"f:\\Clients\\A\\Sub", "f:\\Clients\\A"}));
    EXPECT_EQ(log.failedUndo, results.FoldersFailedUndo);
    EXPECT_EQ(results.counters.failedUndo, 2);
    EXPECT_EQ(results.UndoRetry, Paths{"f:\\Clients\\A\\Sub\\open.doc"});
    EXPECT_TRUE(drives.isFile("f:\\Clients\\A\\Sub\\open.doc"));

    // The retry (mode and created lists no longer matter) removes exactly the failures.
    ExpectQuestionAndEnd(strings);
    EXPECT_TRUE(Undo(PageKind::Strings, "?", fs));
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(drives.listTree("f:\\"), Paths{"Clients\\"});
    EXPECT_TRUE(results.FoldersFailedUndo.empty() && results.UndoRetry.empty());
    EXPECT_EQ(results.counters.failedUndo, 0);

    // Nothing left: the no-undo warning.
    prompt.expect(strings.noUndo, MessageKind::Warning);
    EXPECT_FALSE(Undo(PageKind::Strings, "F", fs));
    EXPECT_EQ(prompt.shown().back().text, strings.noUndoText);
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
}

TEST_F(UndoLastRunTest, FolderRemovedByHandIsNotReported) {
    MakeAsRun(drives.fs(), results, "f:\\Clients\\A");
    MakeAsRun(drives.fs(), results, "f:\\Clients\\B");
    results.FoldersCreated = {"f:\\Clients\\A", "f:\\Clients\\B"};
    ASSERT_TRUE(drives.fs().removeEmptyFolder("f:\\Clients\\A"));
    ExpectQuestionAndEnd(strings); // no report in between
    EXPECT_TRUE(Undo(PageKind::Strings, "N", drives.fs()));
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_TRUE(results.FoldersFailedUndo.empty());
}

TEST_F(UndoLastRunTest, NoJournalOrNoAnswerLeavesEverythingAlone) {
    const UndoTitles& numbers = TextsFor(PageKind::Numbers).undo;
    prompt.expect(numbers.noUndo, MessageKind::Warning);
    EXPECT_FALSE(Undo(PageKind::Numbers, "N", drives.fs()));
    EXPECT_EQ(prompt.shown().back().text, std::string(numbers.noUndoText));
    EXPECT_NE(std::string(numbers.noUndoText), strings.noUndoText);

    MakeAsRun(drives.fs(), results, "f:\\Clients\\A");
    results.FoldersCreated = {"f:\\Clients\\A"};
    prompt.expect(numbers.question, MessageKind::Question, PromptButton::No);
    EXPECT_FALSE(Undo(PageKind::Numbers, "N", drives.fs()));
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_TRUE(drives.isFolder("f:\\Clients\\A"));
    EXPECT_EQ(results.FoldersCreated.size(), 1u);
}

TEST_F(UndoLastRunTest, FoldersMadeBeforeAFailedTargetAreUndoable) {
    // The run made f:\New, then failed the target: nothing was "created", yet f:\New is its doing.
    FaultInjectingFileSystem fs(drives.fs());
    fs.failAlways(FsOp::CreateFolder, "f:\\New\\bad");
    RunAnchors anchors(fs, results);
    EXPECT_FALSE(anchors.createFolder("f:", "f:\\New\\bad"));
    anchors.identifyMade(); // as a run does after its last name
    ASSERT_EQ(results.FoldersMadeByRun, Paths{"f:\\New"});
    ExpectQuestionAndEnd(strings);
    EXPECT_TRUE(Undo(PageKind::Strings, "N", fs));
    EXPECT_FALSE(drives.exists("f:\\New"));
}

TEST_F(UndoLastRunTest, NeverDeletesThroughALink) {
    // After the run, the user swapped made folders for links to folders of their own.
    drives.makeFile("g:\\Mine\\Docs\\keep.txt", "mine");
    drives.makeFolder("g:\\Mine\\Docs\\Empty");
    drives.makeFolder("g:\\Other");
    drives.makeFolder("f:\\Clients");
    MakeAsRun(drives.fs(), results, "f:\\Clients\\A\\Docs\\Empty");
    MakeAsRun(drives.fs(), results, "f:\\Clients\\B");
    results.FoldersCreated = {"f:\\Clients\\A", "f:\\Clients\\B"};
    results.SubFoldersCreated = {"f:\\Clients\\A\\Docs", "f:\\Clients\\A\\Docs\\Empty"};
    results.FilesCreated = {"f:\\Clients\\A\\Docs\\keep.txt"};
    ASSERT_TRUE(drives.fs().removeEmptyFolder("f:\\Clients\\A\\Docs\\Empty"));
    ASSERT_TRUE(drives.fs().removeEmptyFolder("f:\\Clients\\A\\Docs"));
    ASSERT_TRUE(drives.fs().removeEmptyFolder("f:\\Clients\\B"));
    drives.makeLink("f:\\Clients\\A\\Docs", "g:\\Mine\\Docs");
    drives.makeLink("f:\\Clients\\B", "g:\\Other");

    prompt.answerEverything();
    EXPECT_TRUE(Undo(PageKind::Strings, "F", drives.fs()));
    EXPECT_TRUE(drives.isFile("g:\\Mine\\Docs\\keep.txt"));
    EXPECT_TRUE(drives.isFolder("g:\\Mine\\Docs\\Empty"));
    EXPECT_TRUE(drives.isFolder("g:\\Other"));
    EXPECT_EQ(results.FoldersFailedUndo,
              (Paths{"f:\\Clients\\A\\Docs\\Empty", "f:\\Clients\\A\\Docs", "f:\\Clients\\B",
                     "f:\\Clients\\A"}));
    EXPECT_EQ(results.UndoRetry, Paths{"f:\\Clients\\A\\Docs\\keep.txt"});
    ASSERT_GE(prompt.shown().size(), 3u);
    EXPECT_EQ(prompt.shown()[1].title, strings.report);
}

} // namespace
} // namespace dirforge::engine
