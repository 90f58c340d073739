// Completing folders that already exist: only the missing parts of the structure are made,
// nothing that was there changes, and the undo takes the tree back to what the run found.

#include "SimulateThenRun.h"

#include "engine/FolderFileUndo.h"
#include "engine/PageTexts.h"

namespace dirforge::testing {
namespace {

class FillExistingTest : public RunFixture {
protected:
    void SetUp() override {
        drives.makeFile("f:\\T\\Project\\Docs\\notes.txt", "template text");
        drives.makeFolder("f:\\T\\Project\\Docs\\Old");
        drives.makeFolder("f:\\T\\Project\\Mail");
        drives.makeFolder("f:\\Clients\\Acme");
        drives.makeFile("f:\\Clients\\Beta\\Project\\Docs\\notes.txt", "the user's own edits");
        drives.makeFolder("f:\\Clients\\Gamma");
    }
    engine::RunRequest fillRequest() {
        auto r = request(PageKind::Strings, {"Acme", "Beta", "Gamma"});
        r.attachMode = AttachMode::Existing;
        r.copyVariant = CopyVariant::MainFolderWithFiles;
        r.structureLines = {"f:\\T\\Project"};
        r.fillExisting = true;
        return r;
    }
};

TEST_F(FillExistingTest, MakesExactlyTheMissingPartsAndTheUndoReturnsTheTreeFound) {
    const Paths before = drives.listTree("f:\\Clients");
    const engine::RunRequest r = fillRequest();
    engine::PrepareTargetCounts(r, state, services(), true);
    simulate(r);
    const engine::RunCounters simulated = state.results.counters;
    const auto simulatedLists = log.lists;
    create(r);
    const engine::RunCounters& real = state.results.counters;
    for (const engine::RunCounters* c : {&simulated, &real}) {
        EXPECT_EQ(c->at(CounterRow::Folders, CounterColumn::Created), 0);
        EXPECT_EQ(c->at(CounterRow::Folders, CounterColumn::Exist), 3);
        // Acme and Gamma receive all four folders; Beta lacks only Old and Mail.
        EXPECT_EQ(c->at(CounterRow::Subfolders, CounterColumn::Created), 10);
        EXPECT_EQ(c->at(CounterRow::Subfolders, CounterColumn::Exist), 2);
        EXPECT_EQ(c->at(CounterRow::Files, CounterColumn::Created), 2);
        EXPECT_EQ(c->at(CounterRow::Files, CounterColumn::Exist), 1);
        ExpectRowsAddUp(*c, "fill in");
    }
    EXPECT_EQ(simulatedLists, log.lists);
    EXPECT_EQ(log.list(engine::ResultList::FoldersExist),
              (Paths{"f:\\Clients\\Acme", "f:\\Clients\\Beta", "f:\\Clients\\Gamma"}));
    EXPECT_EQ(drives.readText("f:\\Clients\\Beta\\Project\\Docs\\notes.txt"),
              "the user's own edits");
    EXPECT_EQ(drives.readText("f:\\Clients\\Acme\\Project\\Docs\\notes.txt"), "template text");
    EXPECT_TRUE(drives.isFolder("f:\\Clients\\Beta\\Project\\Mail"));
    EXPECT_TRUE(drives.isFolder("f:\\Clients\\Gamma\\Project\\Docs\\Old"));

    const engine::UndoTitles& t = engine::TextsFor(PageKind::Strings).undo;
    prompt.expect(t.question, MessageKind::Question, PromptButton::Yes);
    prompt.expect(t.end, MessageKind::Information);
    EXPECT_TRUE(engine::UndoLastRun(PageKind::Strings, state.results, state.lastAttachMode,
                                    state.lastDestination, fs(), prompt, log));
    EXPECT_EQ(drives.listTree("f:\\Clients"), before);
    EXPECT_EQ(drives.readText("f:\\Clients\\Beta\\Project\\Docs\\notes.txt"),
              "the user's own edits");
    EXPECT_TRUE(state.results.FoldersFailedUndo.empty());
    EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
}

} // namespace
} // namespace dirforge::testing
