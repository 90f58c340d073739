// A real run followed by the page's undo: everything the run made goes, nothing else does.

#include "RunFixture.h"

#include "engine/FolderFileUndo.h"
#include "engine/PageTexts.h"

namespace dirforge::testing {
namespace {

class RunThenUndoTest : public RunFixture {
protected:
    bool undo(PageKind page) {
        const engine::UndoTitles& t = engine::TextsFor(page).undo;
        prompt.expect(t.question, MessageKind::Question, PromptButton::Yes);
        prompt.expect(t.end, MessageKind::Information);
        return engine::UndoLastRun(page, state.results, state.lastAttachMode, state.lastDestination,
                                   fs(), prompt, log);
    }
};

TEST_F(RunThenUndoTest, UndoRemovesExactlyWhatEachKindOfRunMade) {
    drives.makeFile("f:\\T\\Project\\Docs\\a.txt", "aaa");
    drives.makeFolder("f:\\Clients\\Existing");
    drives.makeFolder("g:\\Keep");
    const Paths before = drives.listTree("f:\\");

    struct UndoCase {
        PageKind page;
        AttachMode mode;
        Paths names;
        const char* destination;
    };
    const UndoCase cases[] = {
        {PageKind::Strings, AttachMode::Existing, {"A", "Existing", "deep\\B"}, "f:\\Clients"},
        {PageKind::Strings, AttachMode::TextTemplates, {"A", "Existing"}, "f:\\Clients\\New\\Dest"},
        {PageKind::Paths, AttachMode::Nothing, {"g:\\Keep\\Sub\\Leaf", "g:\\Other\\X"}, ""},
        {PageKind::Paths, AttachMode::TextTemplates, {"g:\\Keep\\P", "f:\\Clients\\Existing"}, ""},
        {PageKind::Numbers, AttachMode::Existing, {}, "f:\\Numbers"},
    };
    for (const UndoCase& c : cases) {
        state = {};
        auto r = request(c.page, c.names, c.destination);
        r.attachMode = c.mode;
        r.copyVariant = CopyVariant::MainFolderWithFiles;
        if (c.mode == AttachMode::Existing)
            r.structureLines = {"f:\\T\\Project"};
        if (c.mode == AttachMode::TextTemplates)
            r.structureLines = {"\\X\\Y", "\\Z"};
        r.numbers.endNumber = 2;
        r.numbers.endText = "2";
        create(r);
        ASSERT_FALSE(state.results.FoldersCreated.empty());
        EXPECT_TRUE(undo(c.page));
        EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
        EXPECT_EQ(drives.listTree("f:\\"), before) << static_cast<int>(c.page);
        EXPECT_EQ(drives.listTree("g:\\"), Paths{"Keep\\"});
        EXPECT_TRUE(state.results.FoldersFailedUndo.empty());
    }
}

TEST_F(RunThenUndoTest, ASimulationBetweenRunAndUndoChangesNothing) {
    auto r = request(PageKind::Strings, {"A"});
    create(r);
    simulate(request(PageKind::Strings, {"B", "C"}));
    EXPECT_TRUE(undo(PageKind::Strings));
    EXPECT_TRUE(drives.listTree("f:\\").empty());
}

} // namespace
} // namespace dirforge::testing
