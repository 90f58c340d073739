// The dry run: what it counts, what it leaves alone, and how its rules differ from the real run.

#include "RunFixture.h"

namespace dirforge::testing {
namespace {

using engine::ResultList;

class SimulationRunTest : public RunFixture {};

TEST_F(SimulationRunTest, WritesNothingAndKeepsTheLastRealRunUndoable) {
    drives.makeFolder("f:\\Clients\\Old");
    state.results.FoldersCreated = {"f:\\Earlier"};
    state.results.UndoRetry = {"f:\\Earlier\\locked.txt"};
    state.lastAttachMode = "F";
    state.lastDestination = "f:\\Before\\";
    auto r = request(PageKind::Strings, {"A", "Old", "a*b", "c:", "g:\\Full\\Path"});
    r.attachMode = AttachMode::TextTemplates;
    r.structureLines = {"\\T\\U"};
    r.showExplorer = true;
    expectQuestion(PageKind::Strings, true);
    // The template attach refuses a target whose name the file system would refuse.
    prompt.expect(titles(PageKind::Strings, true).sameSourceTemplates, MessageKind::Warning);
    expectEnd(PageKind::Strings, true);
    const auto outcome = engine::SimulationRun(r, state, services());

    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(drives.listTree("f:\\"), (Paths{"Clients\\", "Clients\\Old\\"}));
    EXPECT_FALSE(drives.exists("g:\\Full"));
    // The log shows the run; the journal of the last real run is untouched.
    EXPECT_EQ(log.resets, std::vector<bool>{false});
    EXPECT_EQ(log.list(ResultList::FoldersCreated),
              (Paths{"f:\\Clients\\A", "f:\\Clients\\a*b", "f:\\Clients\\c:"}));
    EXPECT_EQ(log.list(ResultList::FoldersExist), Paths{"f:\\Clients\\Old"});
    EXPECT_EQ(log.list(ResultList::FoldersOther), Paths{"g:\\Full\\Path"});
    EXPECT_EQ(log.list(ResultList::SubFoldersCreated),
              (Paths{"f:\\Clients\\A\\T\\U", "f:\\Clients\\c:\\T\\U"}));
    EXPECT_EQ(state.results.FoldersCreated, Paths{"f:\\Earlier"});
    EXPECT_EQ(state.results.UndoRetry, Paths{"f:\\Earlier\\locked.txt"});
    EXPECT_TRUE(state.results.SubFoldersCreated.empty());
    EXPECT_EQ(state.lastAttachMode, "F");
    EXPECT_EQ(state.lastDestination, "f:\\Before\\");
    // Existing and the full path: one template line's worth each; a*b's refused line: one more.
    EXPECT_EQ(row(CounterRow::Folders), (std::array<double, 3>{3, 1, 1}));
    EXPECT_EQ(row(CounterRow::Subfolders), (std::array<double, 3>{2, 1, 2}));
    EXPECT_FALSE(outcome.updateHistory);
    EXPECT_EQ(shell.opened, Paths{"f:\\Clients"});
}

TEST_F(SimulationRunTest, CountsTheCopyOfAStructureWithoutCopying) {
    drives.makeFile("f:\\T\\P\\a.txt", "12345");
    drives.makeFile("f:\\T\\P\\D\\b.txt", "123");
    drives.makeFile("f:\\Clients\\Old\\keep.txt", "x");
    auto r = request(PageKind::Strings, {"New", "Old"});
    r.attachMode = AttachMode::Existing;
    r.copyVariant = CopyVariant::MainFolderWithFiles;
    r.structureLines = {"f:\\T\\P"};
    const auto outcome = simulate(r);

    EXPECT_EQ(outcome.end, engine::RunEnd::Completed);
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_FALSE(drives.exists("f:\\Clients\\New"));
    EXPECT_EQ(log.list(ResultList::SubFoldersCreated),
              (Paths{"f:\\Clients\\New\\P", "f:\\Clients\\New\\P\\D"}));
    EXPECT_EQ(log.list(ResultList::FilesCreated),
              (Paths{"f:\\Clients\\New\\P\\a.txt", "f:\\Clients\\New\\P\\D\\b.txt"}));
    // Old exists: what it would have received counts as already there, as in the real run.
    EXPECT_EQ(row(CounterRow::Files), (std::array<double, 3>{2, 2, 0}));
    EXPECT_EQ(row(CounterRow::Bytes), (std::array<double, 3>{8, 8, 0}));
    EXPECT_EQ(cell(CounterRow::Bytes, CounterColumn::ToCreate), 16); // two names x 8 bytes
    EXPECT_TRUE(state.results.FilesCreated.empty());
}

TEST_F(SimulationRunTest, ParentElementsCountAsOtherReasons) {
    simulate(request(PageKind::Strings, {"..", "x/../../Out", "..dotsdir"}));
    EXPECT_EQ(log.list(ResultList::FoldersOther),
              (Paths{"f:\\Clients\\..", "f:\\Clients\\x\\..\\..\\Out"}));
    EXPECT_EQ(log.list(ResultList::FoldersCreated), Paths{"f:\\Clients\\..dotsdir"});
}

TEST_F(SimulationRunTest, RefusalsUseTheSimulationTitles) {
    auto r = request(PageKind::Strings, {"A"});
    r.attachMode = AttachMode::Existing;
    prompt.expect(titles(PageKind::Strings, true).noStructure, MessageKind::Warning);
    EXPECT_EQ(engine::SimulationRun(r, state, services()).end, engine::RunEnd::Refused);

    r.names.clear();
    r.attachMode = AttachMode::Nothing;
    expectQuestion(PageKind::Strings, true);
    prompt.expect(titles(PageKind::Strings, true).emptyList, MessageKind::Warning);
    EXPECT_EQ(engine::SimulationRun(r, state, services()).end, engine::RunEnd::Completed);
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(prompt.shown()[1].text, engine::kSimulationQuestionText);
}

TEST_F(SimulationRunTest, SameSourceWarnsOncePerTargetAndStructure) {
    drives.makeFolder("f:\\S");
    auto r = request(PageKind::Strings, {"A", "B"});
    r.attachMode = AttachMode::Existing;
    r.structureLines = {"F:\\CLIENTS\\A", "f:\\S"};
    drives.makeFolder("f:\\CLIENTS\\A"); // a real folder, named like the first target in other case
    expectQuestion(PageKind::Strings, true);
    prompt.expect(titles(PageKind::Strings, true).sameSourceExisting, MessageKind::Warning);
    expectEnd(PageKind::Strings, true);
    engine::SimulationRun(r, state, services());
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
    EXPECT_EQ(log.list(ResultList::SubFoldersCreated),
              (Paths{"f:\\Clients\\A\\S", "f:\\Clients\\B\\A", "f:\\Clients\\B\\S"}));
}

} // namespace
} // namespace dirforge::testing
