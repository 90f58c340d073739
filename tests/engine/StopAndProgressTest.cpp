// Long work told and stopped: every run, simulation and undo reports items done of items in
// all, and Stop ends it after the item in hand with everything made so far recorded, undoable,
// and the rest of an undo kept for the next one.

#include "RunFixture.h"

#include "engine/FolderFileUndo.h"
#include "engine/PageTexts.h"
#include "engine/ProgressText.h"

#include <algorithm>

namespace dirforge::testing {
namespace {

using engine::PageKind;
using engine::ResultList;
using engine::StoppedText;
using engine::StoppedWork;

/// A visual log whose Stop is pressed once a number of items is done (never when negative).
class StoppingLog : public RecordingLog {
public:
    void progressed(std::uint64_t done, std::uint64_t total) override {
        progress.emplace_back(done, total);
        filesCreatedSeen.push_back(
            last.at(engine::CounterRow::Files, engine::CounterColumn::Created));
        foldersCreatedSeen.push_back(
            last.at(engine::CounterRow::Folders, engine::CounterColumn::Created));
    }
    bool stopRequested() override {
        ++stopQuestions;
        return stopAfter >= 0 && progress.size() >= static_cast<std::size_t>(stopAfter);
    }

    long stopAfter = -1;
    int stopQuestions = 0;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> progress;
    std::vector<double> filesCreatedSeen, foldersCreatedSeen;
};

class StopAndProgressTest : public RunFixture {
protected:
    engine::RunServices stoppable() { return {fs(), prompt, shell, stopping}; }

    /// The page's undo with the question answered Yes; the closing message is checked by the
    /// caller.
    bool undo(PageKind page) {
        const engine::UndoTitles& t = engine::TextsFor(page).undo;
        prompt.expect(t.question, MessageKind::Question, PromptButton::Yes);
        prompt.expect(t.end, MessageKind::Information);
        return engine::UndoLastRun(page, state.results, state.lastAttachMode, state.lastDestination,
                                   fs(), prompt, stopping);
    }
    const std::string& lastMessage() const { return prompt.shown().back().text; }

    StoppingLog stopping;
};

struct StoppedRunCase {
    PageKind page;
    bool simulate;
    Paths names;
    Paths madeOnDisk; // below f:\ after a real run stopped after two items
};

TEST_F(StopAndProgressTest, ARunStoppedAfterTwoItemsKeepsExactlyThoseAndSaysSo) {
    const StoppedRunCase cases[] = {
        {PageKind::Strings,
         false,
         {"A", "B", "C", "D"},
         {"Clients\\", "Clients\\A\\", "Clients\\B\\"}},
        {PageKind::Strings, true, {"A", "B", "C", "D"}, {}},
        {PageKind::Paths, false, {"f:\\P\\A", "f:\\P\\B", "f:\\P\\C"}, {"P\\", "P\\A\\", "P\\B\\"}},
        {PageKind::Paths, true, {"f:\\P\\A", "f:\\P\\B", "f:\\P\\C"}, {}},
        {PageKind::Numbers, false, {}, {"Clients\\", "Clients\\1\\", "Clients\\2\\"}},
        {PageKind::Numbers, true, {}, {}},
    };
    for (const StoppedRunCase& c : cases) {
        SCOPED_TRACE(std::string(c.simulate ? "simulation, page " : "run, page ") +
                     std::to_string(int(c.page)));
        state = {};
        state.results.FoldersCreated = {"f:\\Earlier"}; // an earlier real run's journal
        stopping = StoppingLog{};
        stopping.stopAfter = 2;
        auto r = request(c.page, c.names);
        r.showExplorer = true;
        r.numbers.endNumber = 9;
        r.numbers.endText = "9";
        const std::uint64_t total = c.page == PageKind::Numbers ? 9 : c.names.size();
        expectQuestion(c.page, c.simulate);
        expectEnd(c.page, c.simulate);
        const auto outcome = c.simulate ? engine::SimulationRun(r, state, stoppable())
                                        : engine::CreationRun(r, state, stoppable());

        EXPECT_EQ(outcome.end, engine::RunEnd::Stopped);
        EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
        EXPECT_EQ(lastMessage(),
                  StoppedText(c.simulate ? StoppedWork::Simulation : StoppedWork::Run, 2, total));
        EXPECT_TRUE(shell.opened.empty()) << "a stopped run does not open the file manager";
        EXPECT_EQ(stopping.progress.back(), std::make_pair(std::uint64_t{2}, total));
        EXPECT_EQ(stopping.list(ResultList::FoldersCreated).size(), 2u);
        EXPECT_EQ(cell(CounterRow::Folders, CounterColumn::Created), 2);
        EXPECT_EQ(drives.listTree("f:\\"), c.madeOnDisk);
        // A real run journals what it made; a simulation leaves the earlier journal alone.
        EXPECT_EQ(state.results.FoldersCreated.size(), c.simulate ? 1u : 2u);
        if (!c.simulate) {
            stopping.stopAfter = -1;
            ASSERT_TRUE(undo(c.page));
            EXPECT_EQ(lastMessage(), engine::kUndoEndText);
            EXPECT_EQ(drives.listTree("f:\\"), Paths{})
                << "everything a stopped run made is undoable";
        }
    }
}

TEST_F(StopAndProgressTest, AnUnstoppedRunCountsEveryItemAndIsAskedBeforeEach) {
    expectQuestion(PageKind::Strings);
    expectEnd(PageKind::Strings);
    engine::CreationRun(request(PageKind::Strings, {"D", "E", "F"}), state, stoppable());
    using Step = std::pair<std::uint64_t, std::uint64_t>;
    EXPECT_EQ(stopping.progress, (std::vector<Step>{{1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(stopping.stopQuestions, 3);
    EXPECT_EQ(lastMessage(), engine::kCreateEndText);
}

struct StoppedUndoCase {
    const char* name;
    long stopAfter; // items done when Stop is pressed: files come first, then folders
};

TEST_F(StopAndProgressTest, AStoppedUndoKeepsWhatIsLeftAndTheNextUndoRemovesIt) {
    drives.makeFile("g:\\T\\Sub\\a.txt", "aaa");
    drives.makeFile("g:\\T\\b.txt", "b");
    drives.makeFolder("f:\\Clients");
    // Three targets with T copied with its files: 6 files, 3 targets + 6 subfolders = 15 items.
    const StoppedUndoCase cases[] = {{"before the first item", 0},
                                     {"among the files", 4},
                                     {"among the folders", 9},
                                     {"never", -1}};
    for (const StoppedUndoCase& c : cases) {
        SCOPED_TRACE(c.name);
        state = {};
        stopping = StoppingLog{};
        auto r = request(PageKind::Strings, {"A", "B", "C"});
        r.attachMode = AttachMode::Existing;
        r.copyVariant = CopyVariant::MainFolderWithFiles;
        r.structureLines = {"g:\\T"};
        create(r);
        ASSERT_EQ(state.results.FilesCreated.size(), 6u);

        stopping.stopAfter = c.stopAfter;
        ASSERT_TRUE(undo(PageKind::Strings));
        EXPECT_TRUE(prompt.satisfied()) << prompt.describe();
        const std::uint64_t total = stopping.progress.empty() ? 0 : stopping.progress.back().second;
        if (c.stopAfter < 0) {
            EXPECT_EQ(lastMessage(), engine::kUndoEndText);
            EXPECT_EQ(stopping.progress.size(), 15u);
            EXPECT_EQ(stopping.filesCreatedSeen.back(), 0)
                << "the log's counters count down during the undo";
            EXPECT_EQ(stopping.foldersCreatedSeen.back(), 0);
            EXPECT_EQ(drives.listTree("f:\\"), Paths{"Clients\\"});
            continue;
        }
        const auto done = static_cast<std::uint64_t>(c.stopAfter);
        EXPECT_EQ(lastMessage(),
                  StoppedText(StoppedWork::Undo, done, c.stopAfter == 0 ? 15 : total));
        // What is left: the folders listed as failed undo, the files kept for the retry, and
        // exactly those still on disk.
        const std::size_t filesLeft = 6 - std::min<std::size_t>(done, 6);
        EXPECT_EQ(state.results.UndoRetry.size(), filesLeft);
        EXPECT_EQ(state.results.FoldersFailedUndo.size(),
                  9 - (done - std::min<std::uint64_t>(done, 6)));
        EXPECT_EQ(cell(CounterRow::Folders, CounterColumn::Created), 0);
        EXPECT_EQ(state.results.counters.failedUndo,
                  static_cast<double>(state.results.FoldersFailedUndo.size()));
        for (const std::string& folder : state.results.FoldersFailedUndo)
            EXPECT_TRUE(drives.isFolder(folder)) << folder;
        for (const std::string& file : state.results.UndoRetry)
            EXPECT_TRUE(drives.exists(file)) << file;

        stopping.stopAfter = -1;
        ASSERT_TRUE(undo(PageKind::Strings));
        EXPECT_EQ(lastMessage(), engine::kUndoEndText);
        EXPECT_EQ(drives.listTree("f:\\"), Paths{"Clients\\"});
        EXPECT_TRUE(state.results.FoldersFailedUndo.empty());
        EXPECT_TRUE(state.results.UndoRetry.empty());
        EXPECT_EQ(drives.listTree("g:\\"), (Paths{"T\\", "T\\Sub\\", "T\\Sub\\a.txt", "T\\b.txt"}));
    }
}

TEST(ProgressTextTest, CountRateAndTimeLeft) {
    struct Case {
        std::uint64_t done, total;
        double seconds;
        const char* text;
    };
    const Case cases[] = {
        {0, 100, 0.0, "0 of 100 done"},
        {10, 100, 0.1, "10 of 100 done"}, // too early to tell a rate
        {50, 100, 1.0, "50 of 100 done, 50 per second, 0:01 left"},
        {1000, 100000, 2.0, "1000 of 100000 done, 500 per second, 3:18 left"},
        {1, 10000, 1.0, "1 of 10000 done, 1 per second, 2:46:39 left"},
        {100, 100, 4.0, "100 of 100 done, 25 per second"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(engine::ProgressText(c.done, c.total, c.seconds), c.text)
            << c.done << " of " << c.total;
}

} // namespace
} // namespace dirforge::testing
