// The real run on the strings page: targets, result lists, counters, refusals and the guards
// against creating outside the destination.

#include "RunFixture.h"

#include "engine/DestinationHistory.h"
#include "engine/PageTexts.h"
#include "engine/TargetComposer.h"

namespace dirforge::testing {
namespace {

using engine::ResultList;

struct ComposeCase {
    const char* prefix;
    const char* suffix;
    bool hyphen;
    const char* item;
    const char* target;
};

TEST(ComposeTargetTest, FramesTheItemAndNormalisesSeparators) {
    const ComposeCase cases[] = {
        {"P", "", true, "A", "f:\\Clients\\P-A"},
        {"P", "S", true, "A", "f:\\Clients\\P-A-S"},
        {"P", "S", false, "A", "f:\\Clients\\PAS"},
        {"  ", "", true, "A", "f:\\Clients\\  A"}, // a blank prefix stays, without hyphen
        {"", "x", true, "1", "f:\\Clients\\1-x"},
        {"", "", false, "a/b", "f:\\Clients\\a\\b"}, // slashes become nested folders
        {"", "", false, "a\\\\b::c", "f:\\Clients\\a\\b:c"},
    };
    for (const ComposeCase& c : cases) {
        const auto parts =
            engine::BuildDestinationParts(" f:\\Clients ", c.prefix, c.suffix, c.hyphen);
        EXPECT_EQ(engine::ComposeTarget(parts, c.item), c.target)
            << c.prefix << "|" << c.item << "|" << c.suffix;
    }
    // A destination that already ends in a backslash gets no second one.
    EXPECT_EQ(engine::BuildDestinationParts("f:\\", "", "", false).head, "f:\\");
}

class CreationRunTest : public RunFixture {};

TEST_F(CreationRunTest, AttachNothingSortsEveryItemIntoItsList) {
    auto r = request(PageKind::Strings, {"A", "a/b", "c:\\temp", "A", "a*b", "c:"});
    r.prefix = "P";
    r.hyphen = true;
    r.showExplorer = true;
    const auto outcome = create(r);

    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(outcome.end, engine::RunEnd::Completed);
    EXPECT_TRUE(outcome.updateHistory);
    EXPECT_EQ(state.results.FoldersCreated, (Paths{"f:\\Clients\\P-A", "f:\\Clients\\P-a\\b"}));
    EXPECT_EQ(state.results.FoldersExist, (Paths{"f:\\Clients\\P-A"}));
    // A full path is never a name; a refused character fails on the disk.
    EXPECT_EQ(state.results.FoldersOther, (Paths{"c:\\temp", "f:\\Clients\\P-a*b", "c:"}));
    EXPECT_TRUE(drives.isFolder("f:\\Clients\\P-a\\b"));
    EXPECT_FALSE(drives.exists("f:\\Clients\\P-a*b"));
    EXPECT_EQ(row(CounterRow::Folders), (std::array<double, 3>{2, 1, 3}));
    EXPECT_EQ(state.lastAttachMode, "N");
    EXPECT_EQ(state.lastDestination, "f:\\Clients\\");
    EXPECT_EQ(shell.opened, Paths{"f:\\Clients"});
    EXPECT_EQ(log.resets, std::vector<bool>{true});
    EXPECT_EQ(log.list(ResultList::FoldersOther), state.results.FoldersOther);
    EXPECT_EQ(log.last.at(CounterRow::Folders, CounterColumn::Created), 2);
}

TEST_F(CreationRunTest, RecordsEveryFolderTheRunMadeIncludingMissingParents) {
    drives.makeFolder("f:\\Keep");
    auto r = request(PageKind::Strings, {"x\\y", "Keep"}, "f:\\New\\Dest");
    create(r);
    // f:\Keep existed before the run: it is not the run's to remove.
    EXPECT_EQ(state.results.FoldersMadeByRun,
              (Paths{"f:\\New", "f:\\New\\Dest", "f:\\New\\Dest\\x", "f:\\New\\Dest\\x\\y",
                     "f:\\New\\Dest\\Keep"}));
}

TEST_F(CreationRunTest, ParentElementsNeverLeaveTheDestination) {
    drives.makeFolder("f:\\Clients");
    auto r =
        request(PageKind::Strings, {"..", "x/../../Escaped", "..dotsdir", "a..b", "..\\..\\Out"});
    create(r);
    EXPECT_EQ(state.results.FoldersCreated, (Paths{"f:\\Clients\\..dotsdir", "f:\\Clients\\a..b"}));
    EXPECT_EQ(
        state.results.FoldersOther,
        (Paths{"f:\\Clients\\..", "f:\\Clients\\x\\..\\..\\Escaped", "f:\\Clients\\..\\..\\Out"}));
    EXPECT_EQ(drives.listTree("f:\\"),
              (Paths{"Clients\\", "Clients\\..dotsdir\\", "Clients\\a..b\\"}));
}

TEST_F(CreationRunTest, ExistingAndFailedTargetsCountTheStructureOnTheStringsPage) {
    drives.makeFolder("f:\\T\\S\\Sub");
    drives.makeFolder("f:\\Clients\\Old");
    faulty.failAlways(testing::FsOp::CreateFolder, "f:\\Clients\\Bad");
    auto r = request(PageKind::Strings, {"Old", "Bad", "New"});
    r.attachMode = AttachMode::Existing;
    r.structureLines = {"f:\\T\\S"};
    ASSERT_TRUE(engine::PrepareTargetCounts(r, state, services(), false));
    EXPECT_EQ(cell(CounterRow::Subfolders, CounterColumn::ToCreate), 6); // 3 names x (S and Sub)
    create(r);

    EXPECT_EQ(state.results.FoldersCreated, Paths{"f:\\Clients\\New"});
    EXPECT_EQ(state.results.SubFoldersCreated,
              (Paths{"f:\\Clients\\New\\S", "f:\\Clients\\New\\S\\Sub"}));
    EXPECT_FALSE(drives.exists("f:\\Clients\\Old\\S")); // an existing target receives nothing
    EXPECT_EQ(row(CounterRow::Folders), (std::array<double, 3>{1, 1, 1}));
    EXPECT_EQ(row(CounterRow::Subfolders), (std::array<double, 3>{2, 2, 2}));
    EXPECT_EQ(state.lastAttachMode, "F");
}

TEST_F(CreationRunTest, RefusalsBeforeTheQuestionLeaveTheLastRunAlone) {
    state.results.FoldersCreated = {"f:\\Earlier"};
    state.lastAttachMode = "R";
    auto r = request(PageKind::Strings, {"A"});
    r.attachMode = AttachMode::Existing;

    prompt.expect(titles(PageKind::Strings, false).noStructure, MessageKind::Warning);
    auto outcome = engine::CreationRun(r, state, services());
    EXPECT_EQ(outcome.end, engine::RunEnd::Refused);
    EXPECT_EQ(outcome.focus, engine::RunFocus::AddStructure);
    EXPECT_FALSE(outcome.updateHistory);

    r.attachMode = AttachMode::Nothing;
    prompt.expect(titles(PageKind::Strings, false).question, MessageKind::Question,
                  PromptButton::No);
    outcome = engine::CreationRun(r, state, services());
    EXPECT_EQ(outcome.end, engine::RunEnd::Refused);

    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(state.results.FoldersCreated, Paths{"f:\\Earlier"});
    EXPECT_EQ(state.lastAttachMode, "R");
    EXPECT_FALSE(drives.exists("f:\\Clients"));
    EXPECT_TRUE(log.resets.empty());
}

TEST_F(CreationRunTest, EmptyListAsksResetsWarnsAndStillUpdatesTheHistory) {
    state.results.FoldersCreated = {"f:\\Earlier"};
    auto r = request(PageKind::Strings, {});
    r.showExplorer = true;
    expectQuestion(PageKind::Strings);
    prompt.expect(titles(PageKind::Strings, false).emptyList, MessageKind::Warning);
    const auto outcome = engine::CreationRun(r, state, services());
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(prompt.shown().back().text, engine::TextsFor(PageKind::Strings).run.emptyListText);
    EXPECT_EQ(outcome.end, engine::RunEnd::Completed);
    EXPECT_TRUE(outcome.updateHistory);
    EXPECT_TRUE(state.results.FoldersCreated.empty());
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(CreationRunTest, TextTemplatesCreateBelowTheNewFolderOnly) {
    drives.makeFolder("f:\\Clients\\Acme\\Docs");
    faulty.failAlways(testing::FsOp::CreateFolder, "f:\\Clients\\Beta\\Locked");
    options[engine::TemplateOptionsKey(engine::PageKind::Strings)] =
        engine::_tagFoldersTemplateOptions{0, 0, "", 1, 0}; // drop the first folder
    auto r = request(PageKind::Strings, {"Acme", "Beta"});
    r.attachMode = AttachMode::TextTemplates;
    r.structureLines = {"\\Code\\Temp\\Mail", "\\Single", "\\Code\\..\\..\\Out", "\\Code\\Locked",
                        "\\Code\\Docs"};
    create(r);

    // Acme existed: it gets nothing. Beta gets Temp\Mail and Docs; \Single transforms to "".
    EXPECT_EQ(state.results.FoldersCreated, Paths{"f:\\Clients\\Beta"});
    EXPECT_EQ(state.results.SubFoldersCreated,
              (Paths{"f:\\Clients\\Beta\\Temp\\Mail", "f:\\Clients\\Beta\\Docs"}));
    EXPECT_EQ(state.results.FoldersOther,
              (Paths{"\\Single", "\\Code\\..\\..\\Out", "f:\\Clients\\Beta\\Locked"}));
    EXPECT_EQ(drives.listTree("f:\\Clients\\Beta"), (Paths{"Docs\\", "Temp\\", "Temp\\Mail\\"}));
    EXPECT_FALSE(drives.exists("f:\\Out"));
    EXPECT_EQ(state.results.FoldersMadeByRun,
              (Paths{"f:\\Clients\\Beta", "f:\\Clients\\Beta\\Temp",
                     "f:\\Clients\\Beta\\Temp\\Mail", "f:\\Clients\\Beta\\Docs"}));
    EXPECT_EQ(state.lastAttachMode, "R");
    // Existing target Acme adds one subfolder per template line to the "already exist" row; the
    // two lines without a path and the locked folder are other reasons of the subfolders row.
    EXPECT_EQ(row(CounterRow::Subfolders), (std::array<double, 3>{2, 5, 3}));
    EXPECT_EQ(row(CounterRow::Folders), (std::array<double, 3>{1, 1, 0}));
}

TEST_F(CreationRunTest, TemplateFolderThatExistsIsCountedAsExistingNeverAsCreated) {
    drives.makeFolder("f:\\Clients");
    auto r = request(PageKind::Strings, {"A", "A\\Sub"});
    r.attachMode = AttachMode::TextTemplates;
    r.structureLines = {"\\Sub"};
    create(r);
    // A creates A\Sub from the template; the item A\Sub then already exists.
    EXPECT_EQ(state.results.FoldersCreated, Paths{"f:\\Clients\\A"});
    EXPECT_EQ(state.results.SubFoldersCreated, Paths{"f:\\Clients\\A\\Sub"});
    EXPECT_EQ(state.results.FoldersExist, Paths{"f:\\Clients\\A\\Sub"});

    EXPECT_EQ(row(CounterRow::Folders), (std::array<double, 3>{1, 1, 0}));
}

TEST_F(CreationRunTest, RepeatedTemplateLineMeetsItsFolderAsExisting) {
    auto r = request(PageKind::Strings, {"A"});
    r.attachMode = AttachMode::TextTemplates;
    r.structureLines = {"\\Sub", "\\Sub"};
    create(r);
    EXPECT_EQ(state.results.SubFoldersCreated, Paths{"f:\\Clients\\A\\Sub"});
    // Shown as already existing and counted in the subfolders row, not journaled as a target.
    EXPECT_TRUE(state.results.FoldersExist.empty());
    EXPECT_EQ(log.list(ResultList::FoldersExist), Paths{"f:\\Clients\\A\\Sub"});
    EXPECT_EQ(row(CounterRow::Folders), (std::array<double, 3>{1, 0, 0}));
    EXPECT_EQ(row(CounterRow::Subfolders), (std::array<double, 3>{1, 1, 0}));
}

TEST_F(CreationRunTest, RealRunClearsTheResultsOfTheLastRunFirst) {
    state.results.FoldersCreated = {"f:\\Old"};
    state.results.UndoRetry = {"f:\\Old\\file"};
    state.results.FoldersFailedUndo = {"f:\\Old"};
    state.results.counters.at(CounterRow::Folders, CounterColumn::ToCreate) = 7;
    state.results.counters.failedUndo = 1;
    create(request(PageKind::Strings, {"N"}));
    EXPECT_EQ(state.results.FoldersCreated, Paths{"f:\\Clients\\N"});
    EXPECT_TRUE(state.results.UndoRetry.empty());
    EXPECT_TRUE(state.results.FoldersFailedUndo.empty());
    EXPECT_EQ(state.results.counters.failedUndo, 0);
    EXPECT_EQ(cell(CounterRow::Folders, CounterColumn::ToCreate), 7); // the page refresh owns it
}

TEST(DestinationHistoryTest, MovesTheDestinationToTheTopAndDropsDuplicates) {
    using engine::UpdateDestinationHistory;
    EXPECT_EQ(UpdateDestinationHistory({"f:\\A", "f:\\B", " f:\\C ", "", "F:\\a"}, " f:\\C"),
              (Paths{"f:\\C", "f:\\A", "f:\\B"}));
    EXPECT_EQ(UpdateDestinationHistory({"f:\\A"}, "f:\\New"), (Paths{"f:\\New", "f:\\A"}));
    EXPECT_EQ(UpdateDestinationHistory({"f:\\A", "f:\\B"}, ""), (Paths{"f:\\A", "f:\\B"}));
}

} // namespace
} // namespace dirforge::testing
